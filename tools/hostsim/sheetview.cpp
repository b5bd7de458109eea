#include "sheetview.h"

#include "host/sim/editorview.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace sequate::hostsim {

namespace {

using host::sim::DocumentData;

constexpr int markSize = 6;
constexpr int hitRadius = 8;
constexpr int margin = 40;
constexpr int dragThreshold = 4;
constexpr double minZoom = 0.5;
constexpr double maxZoom = 200;
constexpr double zoomPerNotch = 1.25;
constexpr int wheelNotch = 120; // angleDelta() of one step of a common mouse wheel
constexpr int labelGap = 2;
constexpr int labelCell = 4; // pixels of the grid that records where names are drawn

// Which parts of the view hold a mark or a name already, on a coarse grid so that a big design
// costs no more than one check per cell under a label.
class LabelSpace {
public:
    explicit LabelSpace(QSize view)
        : mColumns(view.width() / labelCell + 1), mRows(view.height() / labelCell + 1),
          mTaken(std::size_t(mColumns) * std::size_t(mRows), false) {}

    // Takes the cells under a name when they are all free and inside the view.
    bool take(const QRect& box) {
        if (box.left() < 0 || box.top() < 0 || box.right() / labelCell >= mColumns ||
            box.bottom() / labelCell >= mRows)
            return false;
        bool free = true;
        forEachCell(box, [&](std::size_t at) { free = free && !mTaken[at]; });
        if (free)
            occupy(box);
        return free;
    }

    // A mark covers its cells whether or not it lies wholly in the view.
    void occupy(const QRect& box) {
        forEachCell(box, [&](std::size_t at) { mTaken[at] = true; });
    }

private:
    template <typename Visit>
    void forEachCell(const QRect& box, Visit visit) const {
        const int left = std::max(box.left(), 0) / labelCell;
        const int top = std::max(box.top(), 0) / labelCell;
        const int right = std::min(box.right() / labelCell, mColumns - 1);
        const int bottom = std::min(box.bottom() / labelCell, mRows - 1);
        for (int row = top; row <= bottom; ++row) {
            for (int column = left; column <= right; ++column)
                visit(std::size_t(row) * std::size_t(mColumns) + std::size_t(column));
        }
    }

    int mColumns;
    int mRows;
    std::vector<bool> mTaken;
};

QRect markAround(QPoint point) {
    return {point.x() - markSize / 2, point.y() - markSize / 2, markSize, markSize};
}

QColor inkOf(bool selected) {
    return selected ? QColor(200, 30, 30) : QColor(20, 20, 90);
}

QRectF bounds(const DocumentData& doc) {
    QRectF box;
    for (const auto& component : doc.components) {
        for (const auto& at : component.placements)
            box = box.united(QRectF(at.x, at.y, 1, 1));
    }
    return box;
}

// The middle button pans, as in most drawing programs; Shift with the left button does the same
// on a touchpad, and leaves the left button alone for the band.
bool startsPan(const QMouseEvent* event) {
    return event->button() == Qt::MiddleButton ||
           (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
}

} // namespace

SheetView::SheetView(host::sim::SimPowerLogic& logic, QWidget* parent)
    : QWidget(parent), mLogic(logic) {
    setObjectName(QStringLiteral("sheet"));
    setMinimumSize(320, 240);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(tr("Wheel: zoom. Middle button or Shift+drag: pan. F or Home: fit the sheet."));
}

const DocumentData* SheetView::openDocument() const {
    const auto open = mLogic.openIndex();
    return open ? &mLogic.documents().at(*open) : nullptr;
}

// Sheet coordinates grow upwards, as on a drawing; the view's grow downwards.
QTransform SheetView::fittedSheetToView() const {
    const DocumentData* doc = openDocument();
    const QRectF box = doc ? bounds(*doc) : QRectF();
    if (box.isEmpty())
        return {};
    const double scale =
        std::min((width() - 2.0 * margin) / box.width(), (height() - 2.0 * margin) / box.height());
    QTransform transform;
    transform.translate(margin, height() - margin);
    transform.scale(scale, -scale);
    transform.translate(-box.left(), -box.top());
    return transform;
}

QTransform SheetView::sheetToView() const {
    return fittedSheetToView() * QTransform(mZoom, 0, 0, mZoom, mPan.x(), mPan.y());
}

void SheetView::fitToWindow() {
    mZoom = 1;
    mPan = {};
    update();
}

void SheetView::refresh() {
    const auto open = mLogic.openIndex();
    if (open != mShownDocument) {
        mShownDocument = open;
        fitToWindow();
    }
    update();
}

std::vector<SheetView::Label> SheetView::labels() const {
    std::vector<Label> shown;
    const DocumentData* doc = openDocument();
    if (!doc)
        return shown;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QTransform transform = sheetToView();
    LabelSpace space(size());
    // A name over another component's mark would be read as that component's.
    for (const auto& component : doc->components) {
        for (const auto& at : component.placements) {
            const QPoint point = transform.map(QPointF(at.x, at.y)).toPoint();
            space.occupy(markAround(point));
        }
    }
    // The selection is what the user is looking at: its names get the room first.
    for (const bool selected : {true, false}) {
        for (const auto& component : doc->components) {
            if (component.selected != selected)
                continue;
            const QString name = QString::fromStdString(component.name);
            for (const auto& at : component.placements) {
                const QPoint point = transform.map(QPointF(at.x, at.y)).toPoint();
                const QRect box(point.x() + markSize, point.y() - 2 - metrics.ascent(),
                                metrics.horizontalAdvance(name) + labelGap,
                                metrics.height() + labelGap);
                if (space.take(box))
                    shown.push_back({box, &component});
            }
        }
    }
    return shown;
}

std::vector<QString> SheetView::shownNames() const {
    std::vector<QString> names;
    for (const Label& label : labels())
        names.push_back(QString::fromStdString(label.component->name));
    return names;
}

QPoint SheetView::placementAt(std::size_t component, std::size_t gate) const {
    const auto& at = openDocument()->components.at(component).placements.at(gate);
    return sheetToView().map(QPointF(at.x, at.y)).toPoint();
}

void SheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(250, 250, 240));
    const DocumentData* doc = openDocument();
    if (!doc) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No document is open"));
        return;
    }
    const QTransform transform = sheetToView();
    QFont bold = font();
    bold.setBold(true);
    const QRect view = rect().adjusted(-markSize, -markSize, markSize, markSize);
    for (const auto& component : doc->components) {
        painter.setPen(inkOf(component.selected));
        painter.setBrush(component.selected ? QColor(255, 200, 120) : QColor(200, 210, 230));
        for (const auto& at : component.placements) {
            const QPoint point = transform.map(QPointF(at.x, at.y)).toPoint();
            if (view.contains(point))
                painter.drawRect(markAround(point));
        }
    }
    for (const Label& label : labels()) {
        const bool selected = label.component->selected;
        painter.setFont(selected ? bold : font());
        painter.setPen(inkOf(selected));
        painter.drawText(label.box, Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(label.component->name));
    }
    if (mDragging) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(mBand.normalized());
    }
}

std::optional<std::size_t> SheetView::componentAt(QPoint point) const {
    const DocumentData* doc = openDocument();
    if (!doc)
        return std::nullopt;
    const QTransform transform = sheetToView();
    std::optional<std::size_t> nearest;
    int best = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < doc->components.size(); ++i) {
        for (const auto& at : doc->components[i].placements) {
            const int distance =
                (transform.map(QPointF(at.x, at.y)).toPoint() - point).manhattanLength();
            if (distance <= hitRadius && distance < best) {
                best = distance;
                nearest = i;
            }
        }
    }
    return nearest;
}

std::vector<std::size_t> SheetView::componentsIn(const QRect& band) const {
    std::vector<std::size_t> inside;
    const DocumentData* doc = openDocument();
    if (!doc)
        return inside;
    const QTransform transform = sheetToView();
    for (std::size_t i = 0; i < doc->components.size(); ++i) {
        const auto& placements = doc->components[i].placements;
        if (std::any_of(placements.begin(), placements.end(), [&](const auto& at) {
                return band.contains(transform.map(QPointF(at.x, at.y)).toPoint());
            }))
            inside.push_back(i);
    }
    return inside;
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    if (startsPan(event)) {
        mPanningFrom = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    mPressAt = event->position().toPoint();
    mBand = QRect(mPressAt, mPressAt);
    mDragging = false;
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    if (mPanningFrom) {
        const QPoint at = event->position().toPoint();
        mPan += at - *mPanningFrom;
        mPanningFrom = at;
        update();
        return;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return;
    mBand.setBottomRight(event->position().toPoint());
    mDragging = mDragging || (mBand.bottomRight() - mPressAt).manhattanLength() > dragThreshold;
    update();
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
    if (mPanningFrom) {
        mPanningFrom.reset();
        unsetCursor();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool dragged = mDragging;
    mDragging = false;
    update();
    if (!openDocument())
        return;
    try {
        if (dragged)
            selectBand(mBand.normalized(), ctrl);
        else
            click(event->position().toPoint(), ctrl);
    } catch (const std::exception&) {
        // A close or open the user asked for during a pass is waiting, so the sheet shown is
        // going away and its components are not there for the selection to reach.
        return;
    }
    emit userChanged();
}

// The sheet point under the pointer stays under it.
void SheetView::wheelEvent(QWheelEvent* event) {
    const double notches = double(event->angleDelta().y()) / wheelNotch;
    const double zoom = std::clamp(mZoom * std::pow(zoomPerNotch, notches), minZoom, maxZoom);
    const QPointF pointer = event->position();
    mPan = pointer - (pointer - mPan) * (zoom / mZoom);
    mZoom = zoom;
    update();
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F || event->key() == Qt::Key_Home)
        fitToWindow();
    else
        QWidget::keyPressEvent(event);
}

void SheetView::click(QPoint point, bool toggle) {
    const auto hit = componentAt(point);
    if (toggle && hit)
        mLogic.setSelected(*hit, !openDocument()->components[*hit].selected);
    else if (!toggle)
        mLogic.selectOnly(hit ? std::vector<std::size_t>{*hit} : std::vector<std::size_t>{});
}

void SheetView::selectBand(const QRect& band, bool add) {
    std::vector<std::size_t> chosen = componentsIn(band);
    if (add) {
        const auto before = host::sim::selectedComponents(mLogic);
        chosen.insert(chosen.end(), before.begin(), before.end());
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    }
    mLogic.selectOnly(chosen);
}

} // namespace sequate::hostsim
