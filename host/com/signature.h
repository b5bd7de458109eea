#pragma once

// What an application's type information declares at the slot of one operation Sequate calls,
// and whether Sequate can call it so: a wrong guess in a call through an interface's table is
// not an error message but a crash inside the application's process, so nothing is called
// with types the application did not declare (or, for an application without type
// information, with the built-in ones, said so in the log).

#include "automationids.h"
#include "comhandles.h"

#include <oaidl.h>
#include <string>
#include <vector>

namespace sequate::host::com {

struct Signature {
    bool declared = false; // a function sits at the slot
    bool builtIn = false;  // the built-in types, for want of type information
    MEMBERID member = DISPID_UNKNOWN;
    INVOKEKIND invoke = INVOKE_FUNC;
    std::vector<VARTYPE> inputs; // the inputs, in order; object pointers as VT_DISPATCH
    VARTYPE result = VT_EMPTY;   // the [out, retval] parameter's type; VT_EMPTY for none
    std::string declaration;     // as messages show it, such as "put_Value(VARIANT)"
    std::string problem;         // why Sequate cannot call it; empty when it can
};

// The function at the operation's slot of the interface whose table info describes.
Signature readSignature(ITypeInfo& info, const OperationInfo& operation);
Signature builtInSignature(const OperationInfo& operation);

// The table part of a dual interface's type information (itself for an interface); null for
// a dispatch-only interface.
ComPtr<ITypeInfo> tablePart(ITypeInfo& info);
// The interface identifier the type information describes.
GUID describedInterface(ITypeInfo& info);

// "long", "BSTR", "IDispatch*" ...
std::string typeName(VARTYPE type);

} // namespace sequate::host::com
