#include "servedobject.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace sequate::comsim {

namespace {

ITypeLib* typeLibrary = nullptr;
FaultPlan faults;
std::uint64_t calls = 0;
bool openDocumentPending = false;

} // namespace

void Served::setup(ITypeLib* library, FaultPlan plan) {
    typeLibrary = library;
    faults = std::move(plan);
}

ITypeInfo* Served::typeInfo(const IID& iid) {
    static std::map<GUID, ITypeInfo*, decltype([](const GUID& a, const GUID& b) {
                        return std::memcmp(&a, &b, sizeof(GUID)) < 0;
                    })>
        known;
    if (const auto found = known.find(iid); found != known.end())
        return found->second;
    ITypeInfo* info = nullptr;
    if (!typeLibrary || FAILED(typeLibrary->GetTypeInfoOfGuid(iid, &info)))
        return nullptr;
    known.emplace(iid, info);
    return info;
}

std::optional<HRESULT> Served::beforeCall() {
    ++calls;
    if (faults.exitAtCall == calls) {
        std::fprintf(stderr, "sequate-comsim: ending at automation call %llu, as asked\n",
                     static_cast<unsigned long long>(calls));
        // As a crash would: no clean-up, nothing revoked.
        std::_Exit(3);
    }
    if (faults.hangAtCall == calls) {
        std::fprintf(stderr, "sequate-comsim: not answering for %u ms at automation call %llu\n",
                     faults.hangMs, static_cast<unsigned long long>(calls));
        ::Sleep(faults.hangMs);
    }
    if (faults.openDocumentAtCall == calls)
        openDocumentPending = true;
    if (faults.failAtCall == calls) {
        ::SetErrorInfo(0, nullptr);
        return faults.failCode;
    }
    return std::nullopt;
}

bool Served::answersNoObject() {
    return faults.noObjectAtCalls.contains(calls);
}

std::optional<std::size_t> Served::takeOpenDocument() {
    if (!openDocumentPending)
        return std::nullopt;
    openDocumentPending = false;
    return faults.openIndex;
}

HRESULT Served::failed(const host::HostFailure& failure, const IID& iid) {
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(::CreateErrorInfo(&create))) {
        const std::string text = failure.what();
        std::wstring description(text.size() + 1, L'\0');
        const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, description.data(),
                                               static_cast<int>(description.size()));
        description.resize(size > 0 ? static_cast<std::size_t>(size - 1) : 0);
        create->SetGUID(iid);
        create->SetDescription(description.data());
        IErrorInfo* info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
            ::SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return static_cast<HRESULT>(static_cast<std::uint32_t>(failure.code()));
}

} // namespace sequate::comsim
