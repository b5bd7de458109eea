// The journal's text, without the disk: what a pass writes reads back, what a power cut tore
// after the list of renames ends the journal, and what does not parse is refused by line.

#include "engine/journalformat.h"

#include <gtest/gtest.h>

namespace sequate::engine {
namespace {

Rename renameOf(std::size_t component, std::string before, std::string after) {
    return {ComponentIndex(component), std::move(before), std::move(after)};
}

TEST(JournalFormat, ReadsWhatItWrote) {
    RenameJournal written;
    written.document = "amp \"1\".sch";
    written.kind = JournalKind::PutBack;
    written.namesBefore = {"R7", "R\"9", "C\\ 2\nx"};
    written.components = written.namesBefore.size();
    written.renames = {renameOf(0, "R7", "R1"), renameOf(2, "C\\ 2\nx", "C1")};
    EXPECT_EQ(parseJournal(journalText(written), "j"), written);
    written.done = 2;
    written.handedOver = HandOver::File;
    written.handOverPath = "/tmp/a b/\"amp\".eco";
    EXPECT_EQ(parseJournal(journalText(written), "j"), written);
}

// Marks are appended each on a line of its own; what a power cut or a full disk leaves after
// the list of renames is passed over, the list itself is intact.
TEST(JournalFormat, MarksAreReadAndATornTailIsPassedOver) {
    const std::string head = "sequate-journal 1\ndocument \"a\"\ncomponents 2\n"
                             "rename 1 \"R1\" \"R2\"\nrename 2 \"R2\" \"R3\"\napplying\n";
    const struct {
        std::string tail;
        std::size_t done;
        HandOver handedOver;
        bool finished;
    } cases[] = {
        {"\n" + doneMark(1) + "\n\n" + handedOverMark(HandOver::Layout, "a") + "\n\nfinished\n", 1,
         HandOver::Layout, true},
        {"done 3\ndone 1\n", 1, HandOver::None, false},
        {"done 1\ndo", 1, HandOver::None, false},
        {"done 2\n" + std::string(4096, '\0'), 2, HandOver::None, false},
        {"done 1\nhanded-over layout \"/tmp/a.e", 1, HandOver::None, false},
        {"handed-over elsewhere \"a\"\n", 0, HandOver::None, false},
        {"do\ndone 2\nhanded-over file \"a.eco\"\nfini", 2, HandOver::File, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail.substr(0, 40));
        const RenameJournal read = parseJournal(head + c.tail, "j");
        EXPECT_EQ(read.renames.size(), 2u);
        EXPECT_EQ(read.done, c.done);
        EXPECT_EQ(read.handedOver, c.handedOver);
        EXPECT_EQ(read.finished, c.finished);
    }
}

TEST(JournalFormat, RefusesWhatDoesNotParseNamingFileAndLine) {
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"", "line 1: it does not begin with \"sequate-journal 2\"."},
        {"sequate-journal 3\n", "line 1: it does not begin with \"sequate-journal 2\"."},
        {"sequate-journal 2\ndocument \"a\"\nkind pass\ncomponents 2\nname \"R1\"\n"
         "rename 1 \"R1\" \"R2\"\napplying\n",
         "line 6: \"name\" is expected here."},
        {"sequate-journal 2\ndocument \"a\"\nkind later\n",
         "line 3: \"later\" is not a kind of journal."},
        {"sequate-journal 1\ndocument amp\n", "line 2: a quoted name is missing."},
        {"sequate-journal 1\ndocument \"a\" b\n",
         "line 2: unexpected text at the end of the line."},
        {"sequate-journal 1\ndocument \"a\"\ncomponents x\n", "line 3: \"x\" is not a number."},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\nrename 3 \"R1\" \"R2\"\napplying\n",
         "line 4: component 3 is not in the document's list."},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\nrename 0 \"R1\" \"R2\"\napplying\n",
         "line 4: component 0 is not in the document's list."},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\nrename 1 \"R1\n",
         "line 4: a quoted name is not closed."},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\nrename 1 \"R1\" \"R2\"\n",
         "it ends before its list of renames is complete."},
        {"sequate-journal 1\ndocument \"a\"\ncomponents 2\ndone 1\n",
         "line 4: \"done\" is not expected here."},
    };
    for (const auto& c : cases) {
        try {
            parseJournal(c.text, "bad.journal");
            ADD_FAILURE() << "read: " << c.text;
        } catch (const JournalError& error) {
            const std::string said = error.what();
            EXPECT_TRUE(said.starts_with("The journal \"bad.journal\" cannot be read: ")) << said;
            EXPECT_TRUE(said.ends_with(c.says)) << said;
        }
    }
}

} // namespace
} // namespace sequate::engine
