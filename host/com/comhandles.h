#pragma once

// Owners for what COM hands out: an interface pointer is released, a BSTR freed and a VARIANT
// cleared when its owner goes, on every path, failures included.

#include "host/utf8.h"

#include <objbase.h>
#include <oleauto.h>
#include <string>
#include <string_view>
#include <utility>

namespace sequate::host::com {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller owns, as an out-parameter of a call gives it.
    static ComPtr adopt(Interface* pointer) {
        ComPtr owner;
        owner.mPointer = pointer;
        return owner;
    }
    // Adds a reference of its own.
    static ComPtr share(Interface* pointer) {
        if (pointer)
            pointer->AddRef();
        return adopt(pointer);
    }
    ComPtr(const ComPtr& other) : mPointer(other.mPointer) {
        if (mPointer)
            mPointer->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : mPointer(std::exchange(other.mPointer, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(mPointer, other.mPointer);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset() {
        if (Interface* pointer = std::exchange(mPointer, nullptr))
            pointer->Release();
    }
    Interface* get() const { return mPointer; }
    // Hands the reference over to the caller.
    Interface* detach() { return std::exchange(mPointer, nullptr); }
    Interface* operator->() const { return mPointer; }
    Interface& operator*() const { return *mPointer; }
    explicit operator bool() const { return mPointer != nullptr; }
    // For a call's out-parameter: whatever was held goes first.
    Interface** out() {
        reset();
        return &mPointer;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }

private:
    Interface* mPointer = nullptr;
};

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::wstring& text)
        : mText(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { ::SysFreeString(mText); }

    BSTR get() const { return mText; }
    BSTR* out() {
        ::SysFreeString(mText);
        mText = nullptr;
        return &mText;
    }
    std::wstring_view view() const { return {mText ? mText : L"", ::SysStringLen(mText)}; }

private:
    BSTR mText = nullptr;
};

class Variant {
public:
    Variant() { ::VariantInit(&mValue); }
    explicit Variant(long number) : Variant() {
        mValue.vt = VT_I4;
        mValue.lVal = number;
    }
    explicit Variant(const std::wstring& text) : Variant() {
        mValue.vt = VT_BSTR;
        mValue.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept : mValue(other.mValue) { ::VariantInit(&other.mValue); }
    ~Variant() { ::VariantClear(&mValue); }

    VARIANT& get() { return mValue; }
    const VARIANT& get() const { return mValue; }
    VARIANT* out() {
        ::VariantClear(&mValue);
        return &mValue;
    }

private:
    VARIANT mValue;
};

} // namespace sequate::host::com
