#pragma once

// The open schematic as a sheet: every placement of every component at its position, with
// the component's name where there is room for it; selected components highlighted. A click
// selects one component, Ctrl+click toggles one, dragging a band selects what lies inside it
// (Ctrl adds). The wheel zooms about the pointer, the middle button (or Shift with the left
// one) pans, and F or Home fits the sheet to the window again. The selection goes through the
// simulated editor's user methods, so it waits while a pass is open, as it would in PowerLogic.

#include "host/sim/simpowerlogic.h"

#include <QPoint>
#include <QRect>
#include <QTransform>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

namespace sequate::hostsim {

class SheetView : public QWidget {
    Q_OBJECT

public:
    explicit SheetView(host::sim::SimPowerLogic& logic, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {720, 480}; }
    // Where a gate of a component of the open document is drawn.
    QPoint placementAt(std::size_t component, std::size_t gate = 0) const;
    // The names drawn at the current zoom: those whose label overlaps no other and lies in
    // the view. A dense sheet shows more of them as it is zoomed in.
    std::vector<QString> shownNames() const;
    void fitToWindow();
    // Draws the state anew; a document other than the one shown before is fitted to the window,
    // since the zoom and pan of the last one mean nothing on it.
    void refresh();

signals:
    void userChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Label {
        QRect box;
        const host::sim::ComponentData* component;
    };

    const host::sim::DocumentData* openDocument() const;
    QTransform fittedSheetToView() const;
    QTransform sheetToView() const;
    std::vector<Label> labels() const;
    std::optional<std::size_t> componentAt(QPoint point) const;
    std::vector<std::size_t> componentsIn(const QRect& band) const;
    void click(QPoint point, bool toggle);
    void selectBand(const QRect& band, bool add);

    host::sim::SimPowerLogic& mLogic;
    QPoint mPressAt;
    QRect mBand;
    bool mDragging = false;
    // Zoom and pan on top of the transform that fits the sheet to the window.
    double mZoom = 1;
    QPointF mPan;
    std::optional<QPoint> mPanningFrom;
    std::optional<std::size_t> mShownDocument;
};

} // namespace sequate::hostsim
