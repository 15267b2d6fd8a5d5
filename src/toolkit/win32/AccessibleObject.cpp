#include "toolkit/win32/AccessibleObject.h"

#include "platform/win32/SystemLibrary.h"
#include "toolkit/Control.h"
#include "toolkit/Panel.h"
#include "toolkit/win32/WideText.h"
#include "toolkit/win32/Win32Window.h"

#include <ole2.h>
#include <oleacc.h>

namespace tk {

namespace {

// oleacc and oleaut32 are loaded from the system folder when a screen
// reader first asks, never from beside the exe.
using CreateStd = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using FromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using AllocString = BSTR(WINAPI*)(const OLECHAR*);
using ComInitialize = HRESULT(WINAPI*)(void*, DWORD);

// Handing the object to a screen reader in another process marshals it,
// which needs COM on this thread: the thread joins a single-threaded
// apartment once, when a screen reader first asks, and stays in it.
bool joinApartment() {
    static const bool joined = [] {
        auto initialize = platform::systemFunction<ComInitialize>("ole32.dll", "CoInitializeEx");
        HRESULT result = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_NOTIMPL;
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    return joined;
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The control behind the window now, if the window is still ours: the
// object may outlive both.
Control* liveControl(HWND window) {
    Win32Window* peer = Win32Window::fromHwnd(window);
    return peer ? peer->control() : nullptr;
}

const Panel* toggleOf(Control* control) {
    auto* panel = dynamic_cast<const Panel*>(control);
    return panel && panel->takesFocus() ? panel : nullptr;
}

bool addsSomething(Control* control) {
    return control && (!control->accessibleName().empty() || toggleOf(control));
}

class Forwarder final : public IAccessible {
public:
    Forwarder(IAccessible* standard, HWND window) : standard_(standard), window_(window) {}
    ~Forwarder() { standard_->Release(); }
    Forwarder(const Forwarder&) = delete;
    Forwarder& operator=(const Forwarder&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(id, iid, locale, flags, params, result, exception, argument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        Control* control = liveControl(window_);
        if (!isSelf(child) || !name || !control || control->accessibleName().empty())
            return standard_->get_accName(child, name);
        static const auto alloc =
            platform::systemFunction<AllocString>("oleaut32.dll", "SysAllocString");
        if (!alloc)
            return standard_->get_accName(child, name);
        *name = alloc(utf8ToWide(control->accessibleName()).c_str());
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child) || !role || !toggleOf(liveControl(window_)))
            return standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        return S_OK;
    }
    // A toggle button reads as pressed while it is down, and focusable.
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        HRESULT result = standard_->get_accState(child, state);
        const Panel* toggle = toggleOf(liveControl(window_));
        if (!isSelf(child) || !state || !toggle || FAILED(result) || state->vt != VT_I4)
            return result;
        state->lVal |= STATE_SYSTEM_FOCUSABLE;
        if (toggle->pressed())
            state->lVal |= STATE_SYSTEM_PRESSED;
        return result;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    IAccessible* standard_;
    HWND window_;
    LONG references_ = 1;
};

} // namespace

LRESULT AccessibleObject::answer(HWND window, WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT || !addsSomething(liveControl(window)))
        return 0;
    static const auto createStd =
        platform::systemFunction<CreateStd>("oleacc.dll", "CreateStdAccessibleObject");
    static const auto fromObject =
        platform::systemFunction<FromObject>("oleacc.dll", "LresultFromObject");
    if (!createStd || !fromObject || !joinApartment())
        return 0;
    void* standard = nullptr;
    if (FAILED(createStd(window, OBJID_CLIENT, __uuidof(IAccessible), &standard)) || !standard)
        return 0;
    auto* object = new Forwarder(static_cast<IAccessible*>(standard), window);
    LRESULT result = fromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return result < 0 ? 0 : result;
}

} // namespace tk
