#pragma once

// The interface identifiers of the PowerLogic and PowerPCB automation objects, and the slot of
// every operation Sequate calls in its interface's table. Slots count from 0 and include the
// seven of IDispatch (IUnknown's three, then GetTypeInfoCount, GetTypeInfo, GetIDsOfNames and
// Invoke) that begin every automation interface.

#include <guiddef.h>

namespace sequate::host::com {

inline constexpr GUID logicInterface(unsigned char kind) {
    return {0x91D6BD00u | kind, 0x246D, 0x11D2, {0x86, 0x43, 0x3A, 0xE4, 0xEC, 0x00, 0x00, 0x00}};
}

inline constexpr GUID iidLogicApplication = logicInterface(0x02);
inline constexpr GUID iidLogicDocument = logicInterface(0x04);
inline constexpr GUID iidLogicObjects = logicInterface(0x08);
inline constexpr GUID iidLogicComponent = logicInterface(0x09);
inline constexpr GUID iidLogicSelection = logicInterface(0x0C);
inline constexpr GUID iidLogicComponentSet = logicInterface(0x0D);
inline constexpr GUID iidLogicPlacement = logicInterface(0x10);
// The application's notifications; OpenDocument(Doc) is the first of its three members.
inline constexpr GUID iidLogicApplicationEvents = logicInterface(0x22);

inline constexpr GUID iidPcbApplication = {
    0x0821EF02, 0xB880, 0x11CF, {0x82, 0x68, 0x00, 0x20, 0xAF, 0x93, 0x79, 0x87}};
inline constexpr GUID iidPcbDocument = {
    0x0821EF04, 0xB880, 0x11CF, {0x82, 0x68, 0x00, 0x20, 0xAF, 0x93, 0x79, 0x87}};

namespace slot {
inline constexpr int applicationCurrentDocument = 13;
inline constexpr int applicationBeginPass = 30;
inline constexpr int applicationEndPass = 31;
inline constexpr int documentName = 7;
inline constexpr int documentComponentSet = 15;
inline constexpr int documentSelection = 16;
inline constexpr int documentSelectedObjects = 18;
inline constexpr int selectionCount = 10;
inline constexpr int componentSetObjects = 15;
inline constexpr int componentSetQuery = 18;
inline constexpr int objectsItem = 7;
inline constexpr int objectsCount = 10;
inline constexpr int componentName = 7;
inline constexpr int componentSetName = 8;
inline constexpr int componentPlacements = 17;
inline constexpr int componentSelected = 19;
inline constexpr int placementFirstCoordinate = 18;
inline constexpr int placementSecondCoordinate = 19;
inline constexpr int pcbApplicationCurrentDocument = 11;
inline constexpr int pcbDocumentReadEcoFile = 46;
} // namespace slot

} // namespace sequate::host::com
