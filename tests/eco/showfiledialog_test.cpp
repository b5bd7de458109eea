#include "eco/ecofiledialog.h"
#include "fakeecoui.h"
#include "scratchfolder.h"
#include "tests/support/ecogolden.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace sequate::eco {
namespace {

using test::FakeEcoUi;
using test::fileBytes;
using test::ScratchFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::vector<std::string> oldNames = {"R1", "R2", "T1"};
const std::vector<std::string> newNames = {"T1", "R1", "R2"};

TEST(writeEcoFile, AsksWithTheEcoFilterAndWritesTheChosenPathAsTyped) {
    ScratchFolder folder;
    FakeEcoUi ui;
    ui.choice = folder / "board";
    EXPECT_EQ(writeEcoFile(oldNames, newNames, ui).outcome, host::EcoOutcome::Delivered);
    EXPECT_THAT(ui.filters, ElementsAre("ECO files (*.eco) |*.eco|"));
    EXPECT_EQ(fileBytes(folder / "board"), test::golden("twosections.eco"));
    EXPECT_THAT(folder.entries(), ElementsAre("board"));
}

TEST(writeEcoFile, CancelWritesNothingAndSaysSo) {
    for (const std::optional<std::string>& cancel :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        ScratchFolder folder;
        FakeEcoUi ui;
        ui.choice = cancel;
        EXPECT_EQ(writeEcoFile(oldNames, newNames, ui).outcome, host::EcoOutcome::Cancelled);
        EXPECT_EQ(ui.filters.size(), 1u);
        EXPECT_THAT(folder.entries(), IsEmpty());
    }
}

TEST(writeEcoFile, ARefusedNameIsReportedBeforeTheUserChoosesAFile) {
    FakeEcoUi ui;
    ui.choice = "/nonexistent/never.eco";
    const auto delivery = writeEcoFile({"R1"}, {"R\t2"}, ui);
    EXPECT_THAT(ui.filters, IsEmpty());
    EXPECT_EQ(delivery.outcome, host::EcoOutcome::NotDelivered);
    const auto& refused = std::get<host::EcoNameRefused>(delivery.problem.value().what);
    EXPECT_EQ(refused.name, "R\t2");
    EXPECT_EQ(refused.side, host::EcoNameRefused::Side::New);
    EXPECT_EQ(refused.renameNumber, 1u);
}

} // namespace
} // namespace sequate::eco
