#pragma once

// The one place that knows the PowerLogic and PowerPCB automation operations Sequate calls: the
// interface of each (its identifier), the slot in that interface's table, and the shape the
// operation must have for Sequate to call it: how many inputs of which sort, and what sort of
// result it reads. The types themselves come from each application's type information at run
// time; the built-in ones below are used only when an application gives none.
//
// Slots count from 0 and include the seven of IDispatch (IUnknown's three, then
// GetTypeInfoCount, GetTypeInfo, GetIDsOfNames and Invoke) that begin every automation
// interface.

#include <array>
#include <cstddef>
#include <guiddef.h>
#include <wtypes.h>

namespace sequate::host::com {

inline constexpr GUID logicInterface(unsigned char kind) {
    return {0x91D6BD00u | kind, 0x246D, 0x11D2, {0x86, 0x43, 0x3A, 0xE4, 0xEC, 0x00, 0x00, 0x00}};
}

// The application's notifications; OpenDocument(Doc) is the first of its three members.
inline constexpr GUID iidLogicApplicationEvents = logicInterface(0x22);

enum class Application { PowerLogic, PowerPcb };

// The kinds of object Sequate calls, one interface each.
enum class Kind {
    LogicApplication,
    LogicDocument,
    LogicObjects,
    LogicComponent,
    LogicSelection,
    LogicComponentSet,
    LogicPlacement,
    PcbApplication,
    PcbDocument,
};
inline constexpr std::size_t kindCount = 9;

struct KindInfo {
    Kind kind;
    Application application;
    const char* name;
    GUID iid;
};

inline constexpr std::array<KindInfo, kindCount> kinds = {{
    {Kind::LogicApplication, Application::PowerLogic, "LogicApplication", logicInterface(0x02)},
    {Kind::LogicDocument, Application::PowerLogic, "LogicDocument", logicInterface(0x04)},
    {Kind::LogicObjects, Application::PowerLogic, "LogicObjects", logicInterface(0x08)},
    {Kind::LogicComponent, Application::PowerLogic, "LogicComponent", logicInterface(0x09)},
    {Kind::LogicSelection, Application::PowerLogic, "LogicSelection", logicInterface(0x0C)},
    {Kind::LogicComponentSet, Application::PowerLogic, "LogicComponentSet", logicInterface(0x0D)},
    {Kind::LogicPlacement, Application::PowerLogic, "LogicPlacement", logicInterface(0x10)},
    {Kind::PcbApplication,
     Application::PowerPcb,
     "PcbApplication",
     {0x0821EF02, 0xB880, 0x11CF, {0x82, 0x68, 0x00, 0x20, 0xAF, 0x93, 0x79, 0x87}}},
    {Kind::PcbDocument,
     Application::PowerPcb,
     "PcbDocument",
     {0x0821EF04, 0xB880, 0x11CF, {0x82, 0x68, 0x00, 0x20, 0xAF, 0x93, 0x79, 0x87}}},
}};

constexpr const KindInfo& kindInfo(Kind kind) {
    return kinds[static_cast<std::size_t>(kind)];
}

// What an input carries: a list index (a number, or a name where the declaration allows one),
// a text, or a number.
enum class Input { Index, Text, Number };
// What Sequate reads from a result. Ignored: the result, if any, is not read.
enum class Result { Nothing, Text, Count, Flag, Coordinate, Object, Ignored };

enum class Operation {
    ApplicationCurrentDocument,
    ApplicationBeginPass,
    ApplicationEndPass,
    DocumentName,
    DocumentComponentSet,
    DocumentSelection,
    DocumentSelectedObjects,
    SelectionCount,
    ComponentSetObjects,
    ComponentSetQuery,
    ObjectsItem,
    ObjectsCount,
    ComponentName,
    ComponentSetName,
    ComponentPlacements,
    ComponentSelected,
    PlacementFirstCoordinate,
    PlacementSecondCoordinate,
    PcbApplicationCurrentDocument,
    PcbDocumentReadEcoFile,
};
inline constexpr std::size_t operationCount = 20;

struct OperationInfo {
    Operation operation;
    Kind kind;
    int slot;
    const char* name;
    std::size_t inputCount;
    std::array<Input, 3> inputs;
    Result result;
    // What the slot must be, for the message that refuses it: "a method taking a name".
    const char* expected;
    // The built-in types, for an application without type information.
    std::array<VARTYPE, 3> builtInInputs;
    VARTYPE builtInResult; // VT_EMPTY: no result
};

inline constexpr std::array<OperationInfo, operationCount> operations = {{
    {Operation::ApplicationCurrentDocument,
     Kind::LogicApplication,
     13,
     "CurrentDocument",
     0,
     {},
     Result::Object,
     "a property giving an object",
     {},
     VT_DISPATCH},
    {Operation::ApplicationBeginPass,
     Kind::LogicApplication,
     30,
     "BeginPass",
     0,
     {},
     Result::Nothing,
     "a method without inputs",
     {},
     VT_EMPTY},
    {Operation::ApplicationEndPass,
     Kind::LogicApplication,
     31,
     "EndPass",
     0,
     {},
     Result::Nothing,
     "a method without inputs",
     {},
     VT_EMPTY},
    {Operation::DocumentName,
     Kind::LogicDocument,
     7,
     "Name",
     0,
     {},
     Result::Text,
     "a property giving a text",
     {},
     VT_BSTR},
    {Operation::DocumentComponentSet,
     Kind::LogicDocument,
     15,
     "ComponentSet",
     0,
     {},
     Result::Object,
     "a property giving an object",
     {},
     VT_DISPATCH},
    {Operation::DocumentSelection,
     Kind::LogicDocument,
     16,
     "Selection",
     0,
     {},
     Result::Object,
     "a property giving an object",
     {},
     VT_DISPATCH},
    {Operation::DocumentSelectedObjects,
     Kind::LogicDocument,
     18,
     "SelectedObjects",
     0,
     {},
     Result::Object,
     "a property giving an object",
     {},
     VT_DISPATCH},
    {Operation::SelectionCount,
     Kind::LogicSelection,
     10,
     "Count",
     0,
     {},
     Result::Count,
     "a property giving a number",
     {},
     VT_I4},
    {Operation::ComponentSetObjects,
     Kind::LogicComponentSet,
     15,
     "Objects",
     0,
     {},
     Result::Object,
     "a property giving an object",
     {},
     VT_DISPATCH},
    {Operation::ComponentSetQuery,
     Kind::LogicComponentSet,
     18,
     "Query",
     3,
     {Input::Number, Input::Text, Input::Number},
     Result::Object,
     "a method taking a number, a text and a number and giving an object",
     {VT_I4, VT_BSTR, VT_I4},
     VT_DISPATCH},
    {Operation::ObjectsItem,
     Kind::LogicObjects,
     7,
     "Item",
     1,
     {Input::Index},
     Result::Object,
     "a method taking an index and giving an object",
     {VT_VARIANT},
     VT_DISPATCH},
    {Operation::ObjectsCount,
     Kind::LogicObjects,
     10,
     "Count",
     0,
     {},
     Result::Count,
     "a property giving a number",
     {},
     VT_I4},
    {Operation::ComponentName,
     Kind::LogicComponent,
     7,
     "Name",
     0,
     {},
     Result::Text,
     "a property giving a name",
     {},
     VT_BSTR},
    {Operation::ComponentSetName,
     Kind::LogicComponent,
     8,
     "SetName",
     1,
     {Input::Text},
     Result::Nothing,
     "a method taking a name",
     {VT_BSTR},
     VT_EMPTY},
    {Operation::ComponentPlacements,
     Kind::LogicComponent,
     17,
     "Placements",
     0,
     {},
     Result::Object,
     "a property giving an object",
     {},
     VT_DISPATCH},
    {Operation::ComponentSelected,
     Kind::LogicComponent,
     19,
     "Selected",
     0,
     {},
     Result::Flag,
     "a property giving a flag",
     {},
     VT_BOOL},
    {Operation::PlacementFirstCoordinate,
     Kind::LogicPlacement,
     18,
     "FirstCoordinate",
     1,
     {Input::Number},
     Result::Coordinate,
     "a method taking a number and giving a number",
     {VT_I4},
     VT_R8},
    {Operation::PlacementSecondCoordinate,
     Kind::LogicPlacement,
     19,
     "SecondCoordinate",
     1,
     {Input::Number},
     Result::Coordinate,
     "a method taking a number and giving a number",
     {VT_I4},
     VT_R8},
    {Operation::PcbApplicationCurrentDocument,
     Kind::PcbApplication,
     11,
     "CurrentDocument",
     0,
     {},
     Result::Object,
     "a property giving an object",
     {},
     VT_DISPATCH},
    {Operation::PcbDocumentReadEcoFile,
     Kind::PcbDocument,
     46,
     "ReadEcoFile",
     1,
     {Input::Text},
     Result::Ignored,
     "a method taking a file path",
     {VT_BSTR},
     VT_I4},
}};

constexpr const OperationInfo& operationInfo(Operation operation) {
    return operations[static_cast<std::size_t>(operation)];
}

} // namespace sequate::host::com
