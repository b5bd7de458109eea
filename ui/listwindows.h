#pragma once

// The preview and the report windows as any view makes them: their captions, the objectNames
// of their controls and the words on them. Where the controls go is the view's to arrange:
// these windows grow with their lists.

namespace sequate::ui {

struct Labelled {
    const char* objectName;
    const char* caption; // empty for none
};

// The filter box and the list that both windows show.
namespace nameList {
inline constexpr Labelled filter{"txtFilter", "Filter by name"}; // the caption: a placeholder
inline constexpr Labelled list{"lstNames", ""};
inline constexpr const char* columns[] = {"Old name", "New name", "Note"};
} // namespace nameList

// Pass > Preview.
namespace previewWindow {
inline constexpr Labelled window{"frmPreview", "Sequate - preview"};
inline constexpr Labelled summary{"lblSummary", ""};
inline constexpr Labelled codes{"lblCodes", ""};
inline constexpr Labelled saveEco{"cmdSaveEco", "Save as &ECO file..."};
inline constexpr Labelled saveCsv{"cmdSaveCsv", "Save as CS&V..."};
inline constexpr Labelled apply{"cmdApply", "&Apply"};
inline constexpr Labelled close{"cmdClose", "&Close"};
} // namespace previewWindow

// The report of the last pass. Old program: frmNotChanged, which held txtNotChanged alone.
namespace reportWindow {
inline constexpr Labelled window{"frmNotChanged", "Sequate - components not renamed"};
inline constexpr Labelled summary{"lblSummary", ""};
inline constexpr Labelled endsInLetterHeading{"",
                                              "Components not numbered as they end in a letter:"};
inline constexpr Labelled endsInLetter{"txtNotChanged", ""};
inline constexpr Labelled copy{"cmdCopy", "Co&py"};
inline constexpr Labelled saveCsv{"cmdSaveCsv", "&Save as CSV"};
inline constexpr Labelled close{"cmdClose", "&Close"};
} // namespace reportWindow

} // namespace sequate::ui
