#include "statefile.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace sequate::host::sim {

namespace {

// Walks the parsed JSON and names the place of every fault, such as
// "documents[0].components[12].name".
class StateReader {
public:
    explicit StateReader(std::string fileName) : mFileName(std::move(fileName)) {}

    SimState state(const QJsonDocument& json) const;

private:
    [[noreturn]] void fail(const std::string& place, const std::string& fault) const {
        throw StateFileError(mFileName + ": " + place + ": " + fault);
    }

    QJsonObject object(const QJsonValue& value, const std::string& place,
                       std::initializer_list<const char*> keys) const;
    QJsonValue required(const QJsonObject& object, const std::string& place, const char* key) const;
    QJsonArray array(const QJsonValue& value, const std::string& place) const;
    // Reads every item of an array with the given member, each at its own place.
    template <typename Item>
    std::vector<Item> list(const QJsonValue& value, const std::string& place,
                           Item (StateReader::*read)(const QJsonValue&, const std::string&)
                               const) const;
    std::string text(const QJsonValue& value, const std::string& place) const;
    std::string partName(const QJsonValue& value, const std::string& place) const;
    DocumentData document(const QJsonValue& value, const std::string& place) const;
    ComponentData component(const QJsonValue& value, const std::string& place) const;
    PlacementData placement(const QJsonValue& value, const std::string& place) const;
    LayoutData layout(const QJsonValue& value, const std::string& place) const;

    std::string mFileName;
};

std::string item(const std::string& place, qsizetype index) {
    return place + "[" + std::to_string(index) + "]";
}

QJsonObject StateReader::object(const QJsonValue& value, const std::string& place,
                                std::initializer_list<const char*> keys) const {
    if (!value.isObject())
        fail(place, "expected an object");
    const QJsonObject result = value.toObject();
    QStringList known;
    for (const char* key : keys)
        known << QString::fromLatin1(key);
    for (const QString& key : result.keys()) {
        if (!known.contains(key))
            fail(place, "unknown key \"" + key.toStdString() + "\" (known keys: " +
                            known.join(QStringLiteral(", ")).toStdString() + ")");
    }
    return result;
}

QJsonValue StateReader::required(const QJsonObject& object, const std::string& place,
                                 const char* key) const {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        fail(place, std::string("missing key \"") + key + "\"");
    return value;
}

QJsonArray StateReader::array(const QJsonValue& value, const std::string& place) const {
    if (!value.isArray())
        fail(place, "expected an array");
    return value.toArray();
}

template <typename Item>
std::vector<Item> StateReader::list(const QJsonValue& value, const std::string& place,
                                    Item (StateReader::*read)(const QJsonValue&, const std::string&)
                                        const) const {
    const QJsonArray items = array(value, place);
    std::vector<Item> result;
    for (qsizetype i = 0; i < items.size(); ++i)
        result.push_back((this->*read)(items[i], item(place, i)));
    return result;
}

std::string StateReader::text(const QJsonValue& value, const std::string& place) const {
    if (!value.isString())
        fail(place, "expected a string");
    return value.toString().toStdString();
}

std::string StateReader::partName(const QJsonValue& value, const std::string& place) const {
    std::string name = text(value, place);
    if (name.empty())
        fail(place, "a part name cannot be empty");
    return name;
}

SimState StateReader::state(const QJsonDocument& json) const {
    const std::string top = "top level";
    if (!json.isObject())
        fail(top, "expected an object");
    const QJsonObject root = object(json.object(), top, {"documents", "layout"});
    SimState state;
    state.documents = list(required(root, top, "documents"), "documents", &StateReader::document);
    if (root.contains(QLatin1String("layout")))
        state.layout = layout(root.value(QLatin1String("layout")), "layout");
    return state;
}

DocumentData StateReader::document(const QJsonValue& value, const std::string& place) const {
    const QJsonObject fields = object(value, place, {"name", "components"});
    DocumentData document;
    document.name = text(required(fields, place, "name"), place + ".name");
    document.components =
        list(required(fields, place, "components"), place + ".components", &StateReader::component);
    return document;
}

ComponentData StateReader::component(const QJsonValue& value, const std::string& place) const {
    const QJsonObject fields = object(value, place, {"name", "selected", "placements"});
    ComponentData component;
    component.name = partName(required(fields, place, "name"), place + ".name");
    if (fields.contains(QLatin1String("selected"))) {
        const QJsonValue selected = fields.value(QLatin1String("selected"));
        if (!selected.isBool())
            fail(place + ".selected", "expected true or false");
        component.selected = selected.toBool();
    }
    if (fields.contains(QLatin1String("placements")))
        component.placements = list(fields.value(QLatin1String("placements")),
                                    place + ".placements", &StateReader::placement);
    return component;
}

PlacementData StateReader::placement(const QJsonValue& value, const std::string& place) const {
    const QJsonArray pair = value.toArray();
    const auto finite = [](const QJsonValue& number) {
        return number.isDouble() && std::isfinite(number.toDouble());
    };
    if (!value.isArray() || pair.size() != 2 || !finite(pair[0]) || !finite(pair[1]))
        fail(place, "expected two finite numbers [x, y]");
    return {pair[0].toDouble(), pair[1].toDouble()};
}

LayoutData StateReader::layout(const QJsonValue& value, const std::string& place) const {
    const QJsonObject fields = object(value, place, {"name", "parts"});
    LayoutData layout;
    layout.name = text(required(fields, place, "name"), place + ".name");
    layout.parts = list(required(fields, place, "parts"), place + ".parts", &StateReader::partName);
    return layout;
}

// Qt reports where the parser stopped as a byte offset; people look for lines and columns.
std::string position(const QByteArray& text, int offset) {
    const QByteArray before = text.left(offset);
    const auto line = before.count('\n') + 1;
    const auto column = offset - (before.lastIndexOf('\n') + 1) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

SimState parseState(const std::string& json, const std::string& fileName) {
    const QByteArray bytes = QByteArray::fromStdString(json);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw StateFileError(fileName + ": " + position(bytes, error.offset) +
                             ": invalid JSON: " + error.errorString().toStdString());
    return StateReader(fileName).state(document);
}

SimState loadStateFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw StateFileError(path + ": cannot open: " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StateFileError(path + ": cannot read: " + file.errorString().toStdString());
    return parseState(bytes.toStdString(), path);
}

} // namespace sequate::host::sim
