#include "signature.h"

#include <algorithm>
#include <initializer_list>

namespace sequate::host::com {

namespace {

class TypeAttr {
public:
    explicit TypeAttr(ITypeInfo& info) : mInfo(info) {
        if (FAILED(info.GetTypeAttr(&mAttr)))
            mAttr = nullptr;
    }
    ~TypeAttr() {
        if (mAttr)
            mInfo.ReleaseTypeAttr(mAttr);
    }
    TypeAttr(const TypeAttr&) = delete;
    TypeAttr& operator=(const TypeAttr&) = delete;
    const TYPEATTR* operator->() const { return mAttr; }
    explicit operator bool() const { return mAttr != nullptr; }

private:
    ITypeInfo& mInfo;
    TYPEATTR* mAttr = nullptr;
};

class FuncDesc {
public:
    FuncDesc(ITypeInfo& info, UINT index) : mInfo(info) {
        if (FAILED(info.GetFuncDesc(index, &mDesc)))
            mDesc = nullptr;
    }
    ~FuncDesc() {
        if (mDesc)
            mInfo.ReleaseFuncDesc(mDesc);
    }
    FuncDesc(const FuncDesc&) = delete;
    FuncDesc& operator=(const FuncDesc&) = delete;
    const FUNCDESC* operator->() const { return mDesc; }
    explicit operator bool() const { return mDesc != nullptr; }

private:
    ITypeInfo& mInfo;
    FUNCDESC* mDesc = nullptr;
};

struct Type {
    VARTYPE type = VT_EMPTY;
    std::string name;
    bool isInterface = false; // an interface named by the library, which a pointer makes an object
};

std::string nameOf(ITypeInfo& info, MEMBERID member) {
    Bstr name;
    if (FAILED(info.GetDocumentation(member, name.out(), nullptr, nullptr, nullptr)))
        return "?";
    return utf8FromWide(name.view());
}

// A declared type as Sequate passes or reads it: aliases and enumerations resolved, a pointer
// to an interface as an object.
Type resolve(ITypeInfo& info, const TYPEDESC& described) {
    if (described.vt == VT_PTR && described.lptdesc) {
        const Type pointee = resolve(info, *described.lptdesc);
        if (pointee.isInterface)
            return {pointee.type, pointee.name + '*'};
        return {static_cast<VARTYPE>(VT_BYREF | pointee.type), pointee.name + '*'};
    }
    if (described.vt != VT_USERDEFINED)
        return {described.vt, typeName(described.vt)};
    ComPtr<ITypeInfo> referenced;
    if (FAILED(info.GetRefTypeInfo(described.hreftype, referenced.out())) || !referenced)
        return {VT_USERDEFINED, "?"};
    const TypeAttr attr(*referenced);
    const std::string name = nameOf(*referenced, MEMBERID_NIL);
    if (!attr)
        return {VT_USERDEFINED, name};
    switch (attr->typekind) {
    case TKIND_ALIAS:
        return resolve(*referenced, attr->tdescAlias);
    case TKIND_ENUM:
        return {VT_I4, name};
    case TKIND_DISPATCH:
        return {VT_DISPATCH, name, true};
    case TKIND_INTERFACE:
        return {(attr->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE))
                    ? VARTYPE(VT_DISPATCH)
                    : VARTYPE(VT_UNKNOWN),
                name, true};
    default:
        return {VT_USERDEFINED, name};
    }
}

bool oneOf(VARTYPE type, std::initializer_list<VARTYPE> types) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

bool integer(VARTYPE type) {
    return oneOf(type, {VT_I1, VT_UI1, VT_I2, VT_UI2, VT_I4, VT_UI4, VT_INT, VT_UINT});
}

bool fitsInput(Input input, VARTYPE type) {
    if (type == VT_VARIANT)
        return true;
    switch (input) {
    case Input::Index:
        return integer(type);
    case Input::Text:
        return type == VT_BSTR;
    case Input::Number:
        return integer(type) || oneOf(type, {VT_R4, VT_R8});
    }
    return false;
}

bool fitsResult(Result result, VARTYPE type) {
    if (result == Result::Nothing || result == Result::Ignored)
        return true;
    if (type == VT_VARIANT)
        return true;
    switch (result) {
    case Result::Text:
        return type == VT_BSTR;
    case Result::Count:
        return integer(type);
    case Result::Flag:
        return type == VT_BOOL || integer(type);
    case Result::Coordinate:
        return integer(type) || oneOf(type, {VT_R4, VT_R8});
    case Result::Object:
        return oneOf(type, {VT_DISPATCH, VT_UNKNOWN});
    default:
        return false;
    }
}

const char* inputWord(Input input) {
    switch (input) {
    case Input::Index:
        return "an index";
    case Input::Text:
        return "a text";
    case Input::Number:
        return "a number";
    }
    return "";
}

const char* resultWord(Result result) {
    switch (result) {
    case Result::Text:
        return "a text";
    case Result::Count:
        return "a count";
    case Result::Flag:
        return "a flag";
    case Result::Coordinate:
        return "a number";
    case Result::Object:
        return "an object";
    default:
        return "nothing";
    }
}

// Why Sequate cannot call the function as the operation needs; empty when it can.
std::string problemWith(const Signature& signature, const OperationInfo& operation) {
    if (!signature.declared)
        return "no function is declared there";
    if (signature.invoke == INVOKE_PROPERTYPUT || signature.invoke == INVOKE_PROPERTYPUTREF)
        return "a property put sets a value and gives none";
    if (signature.inputs.size() != operation.inputCount)
        return "it takes " + std::to_string(signature.inputs.size()) + " inputs, not " +
               std::to_string(operation.inputCount);
    for (std::size_t i = 0; i < signature.inputs.size(); ++i) {
        if (!fitsInput(operation.inputs[i], signature.inputs[i]))
            return "input " + std::to_string(i + 1) + " is a " + typeName(signature.inputs[i]) +
                   ", which cannot carry " + inputWord(operation.inputs[i]);
    }
    if (operation.result != Result::Nothing && operation.result != Result::Ignored &&
        signature.result == VT_EMPTY)
        return "it gives no result";
    if (!fitsResult(operation.result, signature.result))
        return "its result is a " + typeName(signature.result) + ", not " +
               resultWord(operation.result);
    return {};
}

std::string declarationOf(const Signature& signature, const std::string& name,
                          const std::vector<std::string>& inputNames,
                          const std::string& resultName) {
    std::string text;
    if (signature.invoke == INVOKE_PROPERTYGET)
        text = "get_";
    else if (signature.invoke == INVOKE_PROPERTYPUT)
        text = "put_";
    else if (signature.invoke == INVOKE_PROPERTYPUTREF)
        text = "putref_";
    text += name + '(';
    for (std::size_t i = 0; i < inputNames.size(); ++i)
        text += (i ? ", " : "") + inputNames[i];
    text += ')';
    if (!resultName.empty())
        text += " -> " + resultName;
    return text;
}

// One function's parameters read into the signature.
void readParameters(ITypeInfo& info, const FUNCDESC& function, Signature& signature,
                    std::vector<std::string>& inputNames, std::string& resultName) {
    for (SHORT i = 0; i < function.cParams; ++i) {
        const ELEMDESC& parameter = function.lprgelemdescParam[i];
        const USHORT flags = parameter.paramdesc.wParamFlags;
        const Type type = resolve(info, parameter.tdesc);
        if (flags & PARAMFLAG_FRETVAL) {
            signature.result = static_cast<VARTYPE>(type.type & ~VT_BYREF);
            resultName =
                type.name.ends_with('*') ? type.name.substr(0, type.name.size() - 1) : type.name;
            continue;
        }
        if ((flags & PARAMFLAG_FOUT) || (type.type & VT_BYREF)) {
            signature.problem = "parameter " + std::to_string(i + 1) + " is passed back (" +
                                type.name + "), which Sequate never does";
        }
        signature.inputs.push_back(type.type);
        inputNames.push_back(type.name);
    }
}

} // namespace

std::string typeName(VARTYPE type) {
    switch (type & ~VT_BYREF) {
    case VT_EMPTY:
        return "nothing";
    case VT_I1:
        return "char";
    case VT_UI1:
        return "unsigned char";
    case VT_I2:
        return "short";
    case VT_UI2:
        return "unsigned short";
    case VT_I4:
        return "long";
    case VT_UI4:
        return "unsigned long";
    case VT_INT:
        return "int";
    case VT_UINT:
        return "unsigned int";
    case VT_R4:
        return "float";
    case VT_R8:
        return "double";
    case VT_CY:
        return "CURRENCY";
    case VT_DATE:
        return "DATE";
    case VT_BSTR:
        return "BSTR";
    case VT_BOOL:
        return "VARIANT_BOOL";
    case VT_VARIANT:
        return "VARIANT";
    case VT_DISPATCH:
        return "IDispatch*";
    case VT_UNKNOWN:
        return "IUnknown*";
    case VT_HRESULT:
        return "HRESULT";
    case VT_VOID:
        return "void";
    default:
        return "type " + std::to_string(type);
    }
}

ComPtr<ITypeInfo> tablePart(ITypeInfo& info) {
    const TypeAttr attr(info);
    if (!attr)
        return {};
    if (attr->typekind == TKIND_INTERFACE)
        return ComPtr<ITypeInfo>::share(&info);
    if (attr->typekind != TKIND_DISPATCH || !(attr->wTypeFlags & TYPEFLAG_FDUAL))
        return {};
    HREFTYPE reference = 0;
    ComPtr<ITypeInfo> table;
    if (FAILED(info.GetRefTypeOfImplType(static_cast<UINT>(-1), &reference)) ||
        FAILED(info.GetRefTypeInfo(reference, table.out())))
        return {};
    return table;
}

GUID describedInterface(ITypeInfo& info) {
    const TypeAttr attr(info);
    return attr ? attr->guid : GUID{};
}

Signature readSignature(ITypeInfo& info, const OperationInfo& operation) {
    Signature signature;
    const TypeAttr attr(info);
    const WORD functions = attr ? attr->cFuncs : 0;
    for (UINT i = 0; i < functions; ++i) {
        const FuncDesc function(info, i);
        if (!function || function->oVft / static_cast<SHORT>(sizeof(void*)) != operation.slot)
            continue;
        signature.declared = true;
        signature.member = function->memid;
        signature.invoke = function->invkind;
        std::vector<std::string> inputNames;
        std::string resultName;
        readParameters(info, *function.operator->(), signature, inputNames, resultName);
        signature.declaration =
            declarationOf(signature, nameOf(info, function->memid), inputNames, resultName);
        if (signature.problem.empty() && function->elemdescFunc.tdesc.vt != VT_HRESULT)
            signature.problem = "it does not give an HRESULT";
        if (signature.problem.empty() && function->callconv != CC_STDCALL)
            signature.problem = "it is not called as automation calls are";
        break;
    }
    if (!signature.declared)
        signature.declaration = "empty";
    if (signature.problem.empty())
        signature.problem = problemWith(signature, operation);
    return signature;
}

Signature builtInSignature(const OperationInfo& operation) {
    Signature signature;
    signature.declared = true;
    signature.builtIn = true;
    signature.invoke = operation.inputCount == 0 && operation.result != Result::Nothing
                           ? INVOKE_PROPERTYGET
                           : INVOKE_FUNC;
    std::vector<std::string> inputNames;
    for (std::size_t i = 0; i < operation.inputCount; ++i) {
        signature.inputs.push_back(operation.builtInInputs[i]);
        inputNames.push_back(typeName(operation.builtInInputs[i]));
    }
    signature.result = operation.builtInResult;
    signature.declaration =
        declarationOf(signature, operation.name, inputNames,
                      signature.result == VT_EMPTY ? "" : typeName(signature.result));
    return signature;
}

} // namespace sequate::host::com
