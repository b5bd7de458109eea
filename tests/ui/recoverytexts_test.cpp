// A recovery's values in the words the user reads.

#include "ui/recoverytexts.h"

#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

using namespace engine::recovery;

TEST(RecoveryTexts, TheQuestionSaysHowManyRenamesAreInEffectAndWhereTheLayoutIs) {
    EXPECT_EQ(unfinishedPassQuestion({"amp.sch", 2, 3, true}),
              "The last pass on amp.sch was cut short: 2 of its 3 renames are in effect, and "
              "PowerPCB was reading their ECO file, so the layout may hold them too.\n\nPut the "
              "schematic back as it was before that pass? Keeping it as it is offers an ECO file "
              "of the renames in effect.");
    EXPECT_NE(unfinishedPassQuestion({"", 0, 1, false})
                  .find("on this schematic was cut short: 0 of its 1 renames are in effect, and "
                        "the layout has none of them."),
              std::string::npos);
}

TEST(RecoveryTexts, EachBoxSaysWhatCameOfTheRecovery) {
    const struct {
        engine::RecoveryMessage message;
        Message shown;
    } cases[] = {
        {{true, PutBackMade{4, "/e/a.eco", engine::LayoutFinding::TookSameRenames}, std::nullopt},
         {MessageKind::Information, "Sequate",
          "The 4 renames of the pass that was cut short were undone: every name is as it was "
          "before that pass.\n\nThat pass was writing its ECO file \"/e/a.eco\": if it is there, "
          "do not read it into the layout, since its renames are undone.\n\nThe layout in "
          "PowerPCB has taken the same renames."}},
        {{false,
          NotSettled{engine::RecoveryActivity::ReadingNames, "", "", false,
                     engine::HostFault{host::HostCode::Timeout, "late"}},
          PassHeldBack{true}},
         {MessageKind::Failure, "Sequate",
          "Sequate could not settle the pass that was cut short while reading the schematic's "
          "names: PowerLogic did not answer in time (error 0x800705B4: late). Its journal stays, "
          "so the next Run offers it again; there, \"Keep "
          "as it is\" leaves the names as they are now.\n\nThe pass you asked for did not run: "
          "look at the schematic as it is now, then press Run again."}},
        {{false, SchematicOutOfReach{host::HostCode::NoProject, ""}, std::nullopt},
         {MessageKind::Failure, "Sequate",
          "PowerLogic has no schematic open. Open the project in PowerLogic, then press Run "
          "again."}},
        {{false, SchematicOutOfReach{host::HostCode::ServerUnavailable, "gone"}, std::nullopt},
         {MessageKind::Failure, "Sequate",
          "PowerLogic does not answer: it may have been closed, or be busy. If it was closed, "
          "start PowerLogic with the project open; Sequate finds it again when you press Run. "
          "PowerLogic is no longer there to answer (error " +
              host::codeText(host::HostCode::ServerUnavailable) + ": gone)."}},
        {{false, SchematicOutOfReach{host::HostCode::Failed, ""}, std::nullopt},
         {MessageKind::Failure, "Sequate",
          "Sequate could not read the schematic's name from PowerLogic: PowerLogic refused the "
          "call (error " +
              host::codeText(host::HostCode::Failed) + ")."}},
        {{false, UnreadableJournal{"Bad.", "/j.set-aside", "denied"}, std::nullopt},
         {MessageKind::Failure, "Sequate", "Bad. It could not be set aside: denied."}},
        {{false, LayoutFollowed{engine::LayoutFinding::ByHandNoFileSaved}, std::nullopt},
         {MessageKind::Failure, "Sequate",
          "The layout may hold the renames of that pass: Sequate cannot tell, since they only "
          "moved names among the components. If the layout in PowerPCB has them, read into it "
          "the ECO file that puts them in step (none was saved now)."}},
        {{true, LayoutFollowed{engine::LayoutFinding::PutBackFileSaved}, std::nullopt},
         {MessageKind::Information, "Sequate",
          "If the layout in PowerPCB still has the names the last pass gave, read into it the "
          "ECO file just saved: it takes the layout back to the names before the last pass, as "
          "the schematic is now. A layout that has the schematic's names needs nothing."}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(recoveryMessage(c.message), c.shown);
}

} // namespace
} // namespace sequate::ui
