#pragma once

// The controls of the main window, as created: captions, containers, option groups, places
// and the order in which the keyboard visits them.

class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace sequate::app {

struct MainWindowControls {
    QFrame* frmStart = nullptr;
    QRadioButton* optStart = nullptr;
    QRadioButton* optSelected = nullptr;
    QFrame* frmMode = nullptr;
    QRadioButton* optAssign = nullptr;
    QRadioButton* optDuplicate = nullptr;
    QLabel* lblStartFrom = nullptr;
    QLineEdit* txtStart = nullptr;
    QFrame* frmSend = nullptr;
    QCheckBox* chkSend = nullptr;
    QGroupBox* frmSendOptions = nullptr;
    QRadioButton* optECO = nullptr;
    QRadioButton* optDirect = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdEnd = nullptr;
    QProgressBar* progressBar = nullptr;
    QMenu* mnuPass = nullptr;
    QAction* mnuPreview = nullptr;
    QAction* mnuReport = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpPage = nullptr;
    QAction* mnuAbout = nullptr;

    QButtonGroup* startGroup = nullptr;
    QButtonGroup* modeGroup = nullptr;
    QButtonGroup* sendGroup = nullptr;
};

MainWindowControls createRenPartControls(QMainWindow& window);

} // namespace sequate::app
