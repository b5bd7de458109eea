#include "widentofit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace sequate::app {

namespace {

bool hasCaption(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QLabel*>(&widget);
}

double neededFactor(const QWidget& client) {
    double factor = 1.0;
    for (const QWidget* widget : client.findChildren<QWidget*>()) {
        if (hasCaption(*widget) && widget->width() > 0) {
            factor = std::max(factor, static_cast<double>(widget->sizeHint().width()) /
                                          static_cast<double>(widget->width()));
        }
    }
    return factor;
}

int scaled(int x, double factor) {
    return static_cast<int>(std::lround(x * factor));
}

} // namespace

void widenToFitCaptions(QWidget& client) {
    const double factor = neededFactor(client);
    if (factor <= 1.0) {
        return;
    }
    // Both edges are scaled, so that neighbours that touched still touch.
    for (QWidget* widget : client.findChildren<QWidget*>()) {
        const QRect place = widget->geometry();
        const int left = scaled(place.left(), factor);
        const int right = scaled(place.left() + place.width(), factor);
        widget->setGeometry(left, place.top(), right - left, place.height());
    }
    client.setFixedWidth(scaled(client.width(), factor));
}

} // namespace sequate::app
