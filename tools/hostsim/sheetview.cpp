#include "sheetview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace sequate::hostsim {

namespace {

using host::sim::DocumentData;

constexpr int markSize = 6;
constexpr int hitRadius = 8;
constexpr int margin = 40;
constexpr int dragThreshold = 4;

QRectF bounds(const DocumentData& doc) {
    QRectF box;
    for (const auto& component : doc.components) {
        for (const auto& at : component.placements)
            box = box.united(QRectF(at.x, at.y, 1, 1));
    }
    return box;
}

} // namespace

SheetView::SheetView(host::sim::SimPowerLogic& logic, QWidget* parent)
    : QWidget(parent), mLogic(logic) {
    setObjectName(QStringLiteral("sheet"));
    setMinimumSize(320, 240);
}

const DocumentData* SheetView::openDocument() const {
    const auto open = mLogic.openIndex();
    return open ? &mLogic.documents().at(*open) : nullptr;
}

// Sheet coordinates grow upwards, as on a drawing; the view's grow downwards.
QTransform SheetView::sheetToView() const {
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
    for (const auto& component : doc->components) {
        painter.setFont(component.selected ? bold : font());
        painter.setPen(component.selected ? QColor(200, 30, 30) : QColor(20, 20, 90));
        painter.setBrush(component.selected ? QColor(255, 200, 120) : QColor(200, 210, 230));
        for (const auto& at : component.placements) {
            const QPoint point = transform.map(QPointF(at.x, at.y)).toPoint();
            painter.drawRect(point.x() - markSize / 2, point.y() - markSize / 2, markSize,
                             markSize);
            painter.drawText(point + QPoint(markSize, -2), QString::fromStdString(component.name));
        }
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

std::vector<std::size_t> SheetView::selectedNow() const {
    std::vector<std::size_t> selected;
    if (const DocumentData* doc = openDocument()) {
        for (std::size_t i = 0; i < doc->components.size(); ++i) {
            if (doc->components[i].selected)
                selected.push_back(i);
        }
    }
    return selected;
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    mPressAt = event->position().toPoint();
    mBand = QRect(mPressAt, mPressAt);
    mDragging = false;
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    mBand.setBottomRight(event->position().toPoint());
    mDragging = mDragging || (mBand.bottomRight() - mPressAt).manhattanLength() > dragThreshold;
    update();
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
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
        const auto before = selectedNow();
        chosen.insert(chosen.end(), before.begin(), before.end());
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    }
    mLogic.selectOnly(chosen);
}

} // namespace sequate::hostsim
