#include "mainwindowcontrols.h"

#include "optiongroup.h"
#include "ui/optionpanel.h"
#include "widentofit.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <map>

namespace sequate::app {

namespace {

using ui::Control;
using ui::ControlKind;

QFrame* makeFrame(QWidget* container, QFrame::Shape shape) {
    auto* frame = new QFrame(container);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

template <typename Widget>
Widget* withCaption(QWidget* container, const char* caption) {
    auto* widget = new Widget(container);
    widget->setText(caption);
    return widget;
}

QWidget* make(const ui::ControlPlace& place, QWidget* container) {
    switch (place.kind) {
    case ControlKind::Frame:
        // The outer frame only holds the others; the inner ones show as panels.
        return makeFrame(container, place.container ? QFrame::StyledPanel : QFrame::NoFrame);
    case ControlKind::CaptionFrame: {
        auto* frame = new QGroupBox(container);
        frame->setTitle(place.caption);
        return frame;
    }
    case ControlKind::Option:
        return withCaption<QRadioButton>(container, place.caption);
    case ControlKind::CheckBox:
        return withCaption<QCheckBox>(container, place.caption);
    case ControlKind::Label: {
        auto* label = withCaption<QLabel>(container, place.caption);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(container);
        box->setPlaceholderText(ui::placeholderText(place.control));
        return box;
    }
    case ControlKind::ComboBox: {
        // Its entries follow the scope chosen (MainWindow::showOptions).
        auto* box = new QComboBox(container);
        for (const char* entry : ui::walkOrderEntries({}))
            box->addItem(entry);
        return box;
    }
    case ControlKind::Button: {
        // As in a dialog, Enter presses the button that has the keyboard, else the default one.
        auto* button = withCaption<QPushButton>(container, place.caption);
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(container);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::StatusText: {
        auto* line = new QLabel(container);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return line;
    }
    }
    return nullptr;
}

} // namespace

MainWindowControls::MainWindowControls(QMainWindow& window) {
    auto* client = new QWidget(&window);
    client->setObjectName("client");
    client->setFixedSize(
        widgets::twipsRect(*client, 0, 0, ui::mainClientWidth, ui::mainClientHeight).size());
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The option buttons of one container exclude each other.
    std::map<QWidget*, std::vector<QRadioButton*>> groups;
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        QWidget* container = place.container ? (*this)[*place.container] : client;
        QWidget* widget = make(place, container);
        widget->setObjectName(place.objectName);
        widget->setGeometry(
            widgets::twipsRect(*widget, place.left, place.top, place.width, place.height));
        mControls[static_cast<std::size_t>(place.control)] = widget;
        if (place.kind == ControlKind::Option)
            groups[container].push_back(static_cast<QRadioButton*>(widget));
    }
    for (const ui::ControlPlace& place : ui::mainWindowControls())
        if (place.kind == ControlKind::Label)
            get<QLabel>(place.control)->setBuddy((*this)[ui::accessKeyTarget(place.control)]);
    get<QPushButton>(ui::defaultButton)->setDefault(true);
    for (const auto& [container, options] : groups)
        makeOptionGroup(window, options);

    std::array<QMenu*, ui::menuItemCount> menus{};
    for (const ui::MenuPlace& place : ui::mainWindowMenus()) {
        const auto index = static_cast<std::size_t>(place.item);
        if (place.menu) {
            mActions[index] =
                menus[static_cast<std::size_t>(*place.menu)]->addAction(place.caption);
            mActions[index]->setObjectName(place.objectName);
        } else {
            menus[index] = window.menuBar()->addMenu(place.caption);
            menus[index]->setObjectName(place.objectName);
            mActions[index] = menus[index]->menuAction();
        }
    }
    widenToFitCaptions(*client);

    const std::span<const Control> order = ui::mainWindowTabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder((*this)[order[i - 1]], (*this)[order[i]]);
}

QWidget* MainWindowControls::operator[](Control control) const {
    return mControls[static_cast<std::size_t>(control)];
}

QAction* MainWindowControls::action(ui::MenuItem item) const {
    return mActions[static_cast<std::size_t>(item)];
}

} // namespace sequate::app
