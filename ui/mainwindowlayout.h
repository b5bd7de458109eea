#pragma once

// The main window's controls as any view creates them: kind, objectName, caption, container
// and place in twips, the order in which the keyboard visits them, and the menus. A view
// walks these tables; it decides nothing of its own about where a control goes. Captions carry
// their access keys ('&' before the letter, as both toolkits read it); the old program's
// captions had none.

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace sequate::ui {

// Every control of the main window. Old program: the names in each comment, which stay the
// controls' objectNames.
enum class Control : std::size_t {
    optionsFrame,             // frmStart
    allComponentsOption,      // optStart
    selectedComponentsOption, // optSelected
    modeFrame,                // frmMode
    assignNextFreeOption,     // optAssign
    renameDuplicatesOption,   // optDuplicate
    startLabel,               // lblStartFrom
    startBox,                 // txtStart
    orderLabel,               // the order and leave-alone controls: the old program had none
    orderBox,
    leaveAloneLabel,
    leaveAloneBox,
    sendFrame,        // frmSend
    sendEcoBox,       // chkSend
    sendOptionsFrame, // frmSendOptions
    writeOnlyOption,  // optECO
    forceReadOption,  // optDirect
    runButton,        // cmdRun
    endButton,        // cmdEnd
    progressBar,      // prgbarEdistys
    accountLine,      // the account of the last pass; the old program had none
};
inline constexpr std::size_t controlCount = static_cast<std::size_t>(Control::accountLine) + 1;

enum class ControlKind {
    Frame,        // a sunken panel without a caption
    CaptionFrame, // a frame with its caption along the top
    Option,       // an option button; the options of one container exclude each other
    CheckBox,
    Label,
    TextBox,
    ComboBox, // a drop-down list to choose one entry from, never typed in
    Button,
    ProgressBar,
    StatusText, // a line the window writes, from the left
};

struct ControlPlace {
    Control control;
    ControlKind kind;
    const char* objectName;
    const char* caption;              // empty for none
    std::optional<Control> container; // none: the window's client area
    int left, top, width, height;     // twips, within the container
};

// The client area of the main window, in twips: the old program's 5700 by 2325, a row each for
// the numbering order and the components left alone above Run, and the account line under the
// progress bar, two lines high.
inline constexpr int mainClientWidth = 5700;
inline constexpr int mainClientHeight = 3680;
// Enter presses it wherever the keyboard is in the main window, unless the user moved the
// keyboard to End; after a pass the keyboard goes back where it was, or here.
inline constexpr Control defaultButton = Control::runButton;
// The about box opens this far right of and below the main window's corner, in twips.
inline constexpr int aboutBoxOffset = 100;

// In creation order: a container comes before what it holds.
std::span<const ControlPlace> mainWindowControls();
const ControlPlace& placeOf(Control control);
// The order in which Tab visits the controls: down the options on the left, down the ECO
// options on the right, then along the rows below them, each left to right.
std::span<const Control> mainWindowTabOrder();
// Where Alt and the access key of a control's caption put the keyboard: a label's goes to the
// box it names, which Tab reaches right after it; any other control's to itself.
Control accessKeyTarget(Control control);
// What an empty text box shows, greyed, of what it takes; empty for none.
const char* placeholderText(Control control);
// Greyed while a pass or a preview holds the window, so that nothing starts another pass or
// changes what the pass was asked: every option, box and label, and Run; End stays for the stop.
bool greyedDuringPass(const ControlPlace& place);

// The menus: Pass > Preview, Last pass report, Put back the last pass; Help > Sequate Help,
// About.
enum class MenuItem : std::size_t {
    passMenu,     // mnuPass
    previewItem,  // mnuPreview
    reportItem,   // mnuReport
    putBackItem,  // mnuPutBack; the old program had none
    helpMenu,     // mnuHelp
    helpPageItem, // mnuHelpPage
    aboutItem,    // mnuAbout
};
inline constexpr std::size_t menuItemCount = static_cast<std::size_t>(MenuItem::aboutItem) + 1;

struct MenuPlace {
    MenuItem item;
    const char* objectName;
    const char* caption;
    std::optional<MenuItem> menu; // none: a menu of the menu bar
};

// In the order of the menu bar and of each menu.
std::span<const MenuPlace> mainWindowMenus();

} // namespace sequate::ui
