// The trace is opened as the ECO file is: what the user asked for with --trace or SEQUATE_TRACE
// never writes through another user's link, nor waits on a FIFO.

#include "../eco/scratchfolder.h"
#include "host/calltrace.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sequate::host {
namespace {

namespace fs = std::filesystem;
using eco::test::fileBytes;
using eco::test::ScratchFolder;
using eco::test::writeBytes;

std::string refusalOf(const std::string& path) {
    try {
        CallTrace trace(path);
        trace.record("PowerLogic", "LogicComponent.SetName", "\"R7\"", "nothing", 0.5);
        return {};
    } catch (const std::runtime_error& refusal) {
        return refusal.what();
    }
}

TEST(CallTrace, ReplacesAnOldTraceButNeverWritesThroughAFifoOrAPlantedLink) {
    const ScratchFolder folder;
    const std::string trace = folder / "calls.trace";
    writeBytes(trace, "an older session's calls\n");
    EXPECT_EQ(refusalOf(trace), "");
    EXPECT_EQ(fileBytes(trace),
              "PowerLogic LogicComponent.SetName(\"R7\") -> nothing [0.500 ms]\r\n");

    // A reader is there only so that a writer that opens the FIFO does not wait for ever.
    const std::string fifo = folder / "fifo.trace";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_EQ(refusalOf(fifo), "cannot write the call trace \"" + fifo + "\": a FIFO stands there");
    ::close(reader);

    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can make a link that belongs to another user";
    const std::string designed = folder / "amp.sch";
    const std::string shared = folder / "shared";
    const std::string link = folder / "shared/calls.trace";
    writeBytes(designed, "the user's own file");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    fs::create_symlink(designed, link);
    ::lchown(link.c_str(), 65534, gid_t(-1));
    EXPECT_EQ(refusalOf(link), "cannot write the call trace \"" + link +
                                   "\": another user's link in a folder everyone can write to");
    EXPECT_EQ(fileBytes(designed), "the user's own file");
}

} // namespace
} // namespace sequate::host
