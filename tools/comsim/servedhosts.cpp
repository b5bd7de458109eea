#include "servedhosts.h"

#include "host/eventreceivers.h"
#include "host/sim/simpowerlogic.h"
#include "host/utf8.h"
#include "servedobject.h"

#include <algorithm>
#include <ocidl.h>
#include <olectl.h>
#include <string>
#include <vector>

namespace sequate::comsim {

namespace {

using namespace sequate::host;

std::string narrow(BSTR text) {
    return utf8FromWide({text, ::SysStringLen(text)});
}

BSTR bstr(const std::string& text) {
    const std::wstring w = wideFromUtf8(text);
    return ::SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
}

class ServedPlacement : public ServedObject<ILogicPlacement> {
public:
    explicit ServedPlacement(std::shared_ptr<LogicPlacement> placement)
        : mPlacement(std::move(placement)) {}
    SEQUATE_UNUSED_SLOT(7)
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    SEQUATE_UNUSED_SLOT(10)
    SEQUATE_UNUSED_SLOT(11)
    SEQUATE_UNUSED_SLOT(12)
    SEQUATE_UNUSED_SLOT(13)
    SEQUATE_UNUSED_SLOT(14)
    SEQUATE_UNUSED_SLOT(15)
    SEQUATE_UNUSED_SLOT(16)
    SEQUATE_UNUSED_SLOT(17)
    HRESULT STDMETHODCALLTYPE FirstCoordinate(LONG units, double* value) override {
        return guard([&] { *value = mPlacement->FirstCoordinate(units); });
    }
    HRESULT STDMETHODCALLTYPE SecondCoordinate(LONG units, double* value) override {
        return guard([&] { *value = mPlacement->SecondCoordinate(units); });
    }

private:
    std::shared_ptr<LogicPlacement> mPlacement;
};

// The index an Item argument carries; a bad index when it carries none.
std::int32_t indexIn(VARIANT which, const char* problem) {
    VARIANT index;
    ::VariantInit(&index);
    if (FAILED(::VariantChangeType(&index, &which, 0, VT_I4)))
        throw HostFailure(HostCode::BadIndex, problem);
    return static_cast<std::int32_t>(index.lVal);
}

// A component's placements are served as a list of the LogicObjects kind.
class ServedPlacements : public ServedObject<ILogicObjects> {
public:
    explicit ServedPlacements(std::shared_ptr<LogicPlacements> list) : mList(std::move(list)) {}
    HRESULT STDMETHODCALLTYPE Item(VARIANT which, IDispatch** item) override {
        return guardObject(item, [&]() -> IDispatch* {
            const auto placement = mList->Item(indexIn(which, "LogicObjects.Item: not an index"));
            return placement ? new ServedPlacement(placement) : nullptr;
        });
    }
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
        return guard([&] { *count = mList->Count(); });
    }

private:
    std::shared_ptr<LogicPlacements> mList;
};

class ServedComponent : public ServedObject<ILogicComponent> {
public:
    explicit ServedComponent(std::shared_ptr<LogicComponent> component)
        : mComponent(std::move(component)) {}
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
        return guard([&] { *name = bstr(mComponent->Name()); });
    }
    HRESULT STDMETHODCALLTYPE SetName(BSTR name) override {
        return guard([&] { mComponent->SetName(narrow(name)); });
    }
    SEQUATE_UNUSED_SLOT(9)
    SEQUATE_UNUSED_SLOT(10)
    SEQUATE_UNUSED_SLOT(11)
    SEQUATE_UNUSED_SLOT(12)
    SEQUATE_UNUSED_SLOT(13)
    SEQUATE_UNUSED_SLOT(14)
    SEQUATE_UNUSED_SLOT(15)
    SEQUATE_UNUSED_SLOT(16)
    HRESULT STDMETHODCALLTYPE get_Placements(IDispatch** list) override {
        return guardObject(list, [&]() -> IDispatch* {
            const auto placements = mComponent->Placements();
            return placements ? new ServedPlacements(placements) : nullptr;
        });
    }
    SEQUATE_UNUSED_SLOT(18)
    HRESULT STDMETHODCALLTYPE get_Selected(VARIANT_BOOL* selected) override {
        return guard([&] { *selected = mComponent->Selected() ? VARIANT_TRUE : VARIANT_FALSE; });
    }

private:
    std::shared_ptr<LogicComponent> mComponent;
};

class ServedObjects : public ServedObject<ILogicObjects> {
public:
    explicit ServedObjects(std::shared_ptr<LogicObjects> list) : mList(std::move(list)) {}
    HRESULT STDMETHODCALLTYPE Item(VARIANT which, IDispatch** item) override {
        return guardObject(item, [&]() -> IDispatch* {
            std::shared_ptr<LogicComponent> component;
            if (which.vt == VT_BSTR) {
                component = mList->Item(narrow(which.bstrVal));
            } else {
                component =
                    mList->Item(indexIn(which, "LogicObjects.Item: neither an index nor a name"));
            }
            return component ? new ServedComponent(component) : nullptr;
        });
    }
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
        return guard([&] { *count = mList->Count(); });
    }

private:
    std::shared_ptr<LogicObjects> mList;
};

class ServedSelection : public ServedObject<ILogicSelection> {
public:
    explicit ServedSelection(std::shared_ptr<LogicSelection> selection)
        : mSelection(std::move(selection)) {}
    SEQUATE_UNUSED_SLOT(7)
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override {
        return guard([&] { *count = mSelection->Count(); });
    }

private:
    std::shared_ptr<LogicSelection> mSelection;
};

IDispatch* served(const std::shared_ptr<LogicObjects>& list) {
    return list ? new ServedObjects(list) : nullptr;
}

class ServedComponentSet : public ServedObject<ILogicComponentSet> {
public:
    explicit ServedComponentSet(std::shared_ptr<LogicComponentSet> set) : mSet(std::move(set)) {}
    SEQUATE_UNUSED_SLOT(7)
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    SEQUATE_UNUSED_SLOT(10)
    SEQUATE_UNUSED_SLOT(11)
    SEQUATE_UNUSED_SLOT(12)
    SEQUATE_UNUSED_SLOT(13)
    SEQUATE_UNUSED_SLOT(14)
    HRESULT STDMETHODCALLTYPE get_Objects(IDispatch** list) override {
        return guardObject(list, [&] { return served(mSet->Objects()); });
    }
    SEQUATE_UNUSED_SLOT(16)
    SEQUATE_UNUSED_SLOT(17)
    HRESULT STDMETHODCALLTYPE Query(LONG kind, BSTR filter, LONG flags, IDispatch** list) override {
        return guardObject(list, [&] { return served(mSet->Query(kind, narrow(filter), flags)); });
    }

private:
    std::shared_ptr<LogicComponentSet> mSet;
};

class ServedDocument : public ServedObject<ILogicDocument> {
public:
    explicit ServedDocument(std::shared_ptr<LogicDocument> document)
        : mDocument(std::move(document)) {}
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
        return guard([&] { *name = bstr(mDocument->Name()); });
    }
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    SEQUATE_UNUSED_SLOT(10)
    SEQUATE_UNUSED_SLOT(11)
    SEQUATE_UNUSED_SLOT(12)
    SEQUATE_UNUSED_SLOT(13)
    SEQUATE_UNUSED_SLOT(14)
    HRESULT STDMETHODCALLTYPE get_ComponentSet(IDispatch** set) override {
        return guardObject(set, [&]() -> IDispatch* {
            const auto components = mDocument->ComponentSet();
            return components ? new ServedComponentSet(components) : nullptr;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Selection(IDispatch** selection) override {
        return guardObject(selection, [&]() -> IDispatch* {
            const auto selected = mDocument->Selection();
            return selected ? new ServedSelection(selected) : nullptr;
        });
    }
    SEQUATE_UNUSED_SLOT(17)
    HRESULT STDMETHODCALLTYPE get_SelectedObjects(IDispatch** list) override {
        return guardObject(list, [&] { return served(mDocument->SelectedObjects()); });
    }

private:
    std::shared_ptr<LogicDocument> mDocument;
};

// The one connection point of the application: its notifications.
class EventPoint : public IConnectionPoint {
public:
    explicit EventPoint(IConnectionPointContainer* container) : mContainer(container) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
            *out = static_cast<IConnectionPoint*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // Lives as long as the application object that holds it.
    ULONG STDMETHODCALLTYPE AddRef() override { return mContainer->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return mContainer->Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        *iid = DIID_DLogicApplicationEvents;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    GetConnectionPointContainer(IConnectionPointContainer** out) override {
        *out = mContainer;
        mContainer->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
        IDispatch* dispatch = nullptr;
        if (!sink ||
            FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
            return CONNECT_E_CANNOTCONNECT;
        mSinks.add({++mLastCookie, dispatch});
        *cookie = mLastCookie;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        const Sink advised{cookie, nullptr};
        const auto found = std::find(mSinks.all().begin(), mSinks.all().end(), advised);
        if (found == mSinks.all().end())
            return CONNECT_E_NOCONNECTION;
        IDispatch* const dispatch = found->sink;
        mSinks.remove(advised);
        dispatch->Release();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }

    void openDocument(IDispatch* document) {
        mSinks.notify([&](const Sink& sink) {
            VARIANT argument;
            ::VariantInit(&argument);
            argument.vt = VT_DISPATCH;
            argument.pdispVal = document;
            DISPPARAMS parameters{&argument, nullptr, 1, 0};
            // A client that went away is forgotten.
            if (FAILED(sink.sink->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                         &parameters, nullptr, nullptr, nullptr)))
                Unadvise(sink.cookie);
        });
    }

private:
    struct Sink {
        DWORD cookie;
        IDispatch* sink;
        bool operator==(const Sink& other) const { return cookie == other.cookie; }
    };
    IConnectionPointContainer* mContainer;
    EventReceivers<Sink> mSinks;
    DWORD mLastCookie = 0;
};

class ServedLogicApplication : public ServedObject<ILogicApplication>,
                               public IConnectionPointContainer,
                               public LogicApplicationEvents {
public:
    explicit ServedLogicApplication(sim::SimPowerLogic& logic)
        : mApplication(logic.application()), mEvents(this) {
        mApplication->advise(this);
    }
    ~ServedLogicApplication() override { mApplication->unadvise(this); }

    ULONG STDMETHODCALLTYPE AddRef() override { return ServedObject::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return ServedObject::Release(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return ServedObject::QueryInterface(iid, out);
    }

    SEQUATE_UNUSED_SLOT(7)
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    SEQUATE_UNUSED_SLOT(10)
    SEQUATE_UNUSED_SLOT(11)
    SEQUATE_UNUSED_SLOT(12)
    HRESULT STDMETHODCALLTYPE get_CurrentDocument(IDispatch** document) override {
        return guardObject(document, [&]() -> IDispatch* {
            const auto current = mApplication->CurrentDocument();
            return current ? new ServedDocument(current) : nullptr;
        });
    }
    SEQUATE_UNUSED_SLOT(14)
    SEQUATE_UNUSED_SLOT(15)
    SEQUATE_UNUSED_SLOT(16)
    SEQUATE_UNUSED_SLOT(17)
    SEQUATE_UNUSED_SLOT(18)
    SEQUATE_UNUSED_SLOT(19)
    SEQUATE_UNUSED_SLOT(20)
    SEQUATE_UNUSED_SLOT(21)
    SEQUATE_UNUSED_SLOT(22)
    SEQUATE_UNUSED_SLOT(23)
    SEQUATE_UNUSED_SLOT(24)
    SEQUATE_UNUSED_SLOT(25)
    SEQUATE_UNUSED_SLOT(26)
    SEQUATE_UNUSED_SLOT(27)
    SEQUATE_UNUSED_SLOT(28)
    SEQUATE_UNUSED_SLOT(29)
    HRESULT STDMETHODCALLTYPE BeginPass() override {
        return guard([&] { mApplication->BeginPass(); });
    }
    HRESULT STDMETHODCALLTYPE EndPass() override {
        return guard([&] { mApplication->EndPass(); });
    }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
        if (iid != DIID_DLogicApplicationEvents) {
            *out = nullptr;
            return CONNECT_E_NOCONNECTION;
        }
        *out = &mEvents;
        mEvents.AddRef();
        return S_OK;
    }

    void OpenDocument(std::shared_ptr<LogicDocument> doc) override {
        IDispatch* document = new ServedDocument(std::move(doc));
        mEvents.openDocument(document);
        document->Release();
    }

protected:
    HRESULT otherInterface(REFIID iid, void** out) override {
        if (iid == IID_IConnectionPointContainer) {
            *out = static_cast<IConnectionPointContainer*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }

private:
    std::shared_ptr<LogicApplication> mApplication;
    EventPoint mEvents;
};

class ServedPcbDocument : public ServedObject<IPcbDocument> {
public:
    explicit ServedPcbDocument(std::shared_ptr<PcbDocument> document)
        : mDocument(std::move(document)) {}
    SEQUATE_UNUSED_SLOT(7)
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    SEQUATE_UNUSED_SLOT(10)
    SEQUATE_UNUSED_SLOT(11)
    SEQUATE_UNUSED_SLOT(12)
    SEQUATE_UNUSED_SLOT(13)
    SEQUATE_UNUSED_SLOT(14)
    SEQUATE_UNUSED_SLOT(15)
    SEQUATE_UNUSED_SLOT(16)
    SEQUATE_UNUSED_SLOT(17)
    SEQUATE_UNUSED_SLOT(18)
    SEQUATE_UNUSED_SLOT(19)
    SEQUATE_UNUSED_SLOT(20)
    SEQUATE_UNUSED_SLOT(21)
    SEQUATE_UNUSED_SLOT(22)
    SEQUATE_UNUSED_SLOT(23)
    SEQUATE_UNUSED_SLOT(24)
    SEQUATE_UNUSED_SLOT(25)
    SEQUATE_UNUSED_SLOT(26)
    SEQUATE_UNUSED_SLOT(27)
    SEQUATE_UNUSED_SLOT(28)
    SEQUATE_UNUSED_SLOT(29)
    SEQUATE_UNUSED_SLOT(30)
    SEQUATE_UNUSED_SLOT(31)
    SEQUATE_UNUSED_SLOT(32)
    SEQUATE_UNUSED_SLOT(33)
    SEQUATE_UNUSED_SLOT(34)
    SEQUATE_UNUSED_SLOT(35)
    SEQUATE_UNUSED_SLOT(36)
    SEQUATE_UNUSED_SLOT(37)
    SEQUATE_UNUSED_SLOT(38)
    SEQUATE_UNUSED_SLOT(39)
    SEQUATE_UNUSED_SLOT(40)
    SEQUATE_UNUSED_SLOT(41)
    SEQUATE_UNUSED_SLOT(42)
    SEQUATE_UNUSED_SLOT(43)
    SEQUATE_UNUSED_SLOT(44)
    SEQUATE_UNUSED_SLOT(45)
    HRESULT STDMETHODCALLTYPE ReadEcoFile(BSTR path, LONG* result) override {
        return guard([&] {
            mDocument->ReadEcoFile(narrow(path));
            *result = 1;
        });
    }

private:
    std::shared_ptr<PcbDocument> mDocument;
};

class ServedPcbApplication : public ServedObject<IPcbApplication> {
public:
    explicit ServedPcbApplication(std::shared_ptr<PcbApplication> application)
        : mApplication(std::move(application)) {}
    SEQUATE_UNUSED_SLOT(7)
    SEQUATE_UNUSED_SLOT(8)
    SEQUATE_UNUSED_SLOT(9)
    SEQUATE_UNUSED_SLOT(10)
    HRESULT STDMETHODCALLTYPE get_CurrentDocument(IDispatch** document) override {
        return guardObject(document, [&]() -> IDispatch* {
            const auto current = mApplication->CurrentDocument();
            return current ? new ServedPcbDocument(current) : nullptr;
        });
    }

private:
    std::shared_ptr<PcbApplication> mApplication;
};

} // namespace

IUnknown* servedPowerLogic(host::sim::SimPowerLogic& logic) {
    return static_cast<ILogicApplication*>(new ServedLogicApplication(logic));
}

IUnknown* servedPowerPcb(std::shared_ptr<host::PcbApplication> application) {
    return new ServedPcbApplication(std::move(application));
}

} // namespace sequate::comsim
