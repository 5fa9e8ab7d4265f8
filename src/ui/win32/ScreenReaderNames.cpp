#include "ui/win32/ScreenReaderNames.h"

#include "text/WideText.h"

#include <commctrl.h>
#include <oleacc.h>

#include <map>
#include <vector>

namespace
{

struct RAccessibleTexts
{
    std::vector<std::wstring> Names; // the control's, then each child's
    std::wstring Description;
};

std::map<HWND, RAccessibleTexts>& Texts()
{
    static std::map<HWND, RAccessibleTexts> texts;
    return texts;
}

// The two calls of the accessibility library, found when first needed.
struct RAccessibilityLibrary
{
    HRESULT(WINAPI* CreateStandard)(HWND, LONG, REFIID, void**) = nullptr;
    LRESULT(WINAPI* Answer)(REFIID, WPARAM, IUnknown*) = nullptr;
};

const RAccessibilityLibrary& Library()
{
    static const RAccessibilityLibrary library = []
    {
        RAccessibilityLibrary found;
        // The object is handed to the screen reader's process through COM,
        // which this thread joins as a single-threaded apartment, as the
        // system's dialogs also want it.
        if (HMODULE ole = ::LoadLibraryA("ole32.dll"))
            if (const auto initialize = reinterpret_cast<HRESULT(WINAPI*)(void*, DWORD)>(
                    reinterpret_cast<void*>(::GetProcAddress(ole, "CoInitializeEx"))))
                initialize(nullptr, COINIT_APARTMENTTHREADED);
        if (HMODULE oleacc = ::LoadLibraryA("oleacc.dll"))
        {
            found.CreateStandard = reinterpret_cast<decltype(found.CreateStandard)>(
                reinterpret_cast<void*>(::GetProcAddress(oleacc, "CreateStdAccessibleObject")));
            found.Answer = reinterpret_cast<decltype(found.Answer)>(
                reinterpret_cast<void*>(::GetProcAddress(oleacc, "LresultFromObject")));
        }
        return found;
    }();
    return library;
}

BSTR Copy(const std::wstring& text)
{
    return ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// The system's accessible object of a control with the control's own name
// and description; everything else is the system's.
class RNamedAccessible final : public IAccessible
{
public:
    RNamedAccessible(IAccessible* standard, HWND control) : Standard(standard), Control(control) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible)
        {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return Standard->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++References; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --References;
        if (left == 0)
        {
            Standard->Release();
            delete this;
        }
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return Standard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return Standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return Standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* badArgument) override
    {
        return Standard->Invoke(member, id, locale, flags, parameters, result, exception, badArgument);
    }

    // IAccessible: the name and description are the control's own.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        const auto texts = Texts().find(Control);
        const std::size_t which = child.vt == VT_I4 && child.lVal >= 0 ? static_cast<std::size_t>(child.lVal) : 0;
        if (name != nullptr && texts != Texts().end() && which < texts->second.Names.size() &&
            !texts->second.Names[which].empty())
        {
            *name = Copy(texts->second.Names[which]);
            return S_OK;
        }
        return Standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        const auto texts = Texts().find(Control);
        if (text != nullptr && child.vt == VT_I4 && child.lVal == CHILDID_SELF && texts != Texts().end() &&
            !texts->second.Description.empty())
        {
            *text = Copy(texts->second.Description);
            return S_OK;
        }
        return Standard->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return Standard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return Standard->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return Standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return Standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return Standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return Standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return Standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return Standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return Standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return Standard->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return Standard->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return Standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override { return Standard->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return Standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return Standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override
    {
        return Standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return Standard->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return Standard->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return Standard->put_accValue(child, value);
    }

private:
    IAccessible* Standard;
    HWND Control;
    ULONG References = 1;
};

LRESULT CALLBACK AnswerScreenReaders(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT)
    {
        const RAccessibilityLibrary& library = Library();
        IAccessible* standard = nullptr;
        if (library.CreateStandard != nullptr && library.Answer != nullptr &&
            library.CreateStandard(control, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard)) ==
                S_OK)
        {
            auto* named = new RNamedAccessible(standard, control);
            const LRESULT answer = library.Answer(IID_IAccessible, wParam, named);
            named->Release();
            return answer;
        }
    }
    else if (message == WM_NCDESTROY)
    {
        Texts().erase(control);
        ::RemoveWindowSubclass(control, &AnswerScreenReaders, 0);
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

RAccessibleTexts* TextsOf(HWND control)
{
    if (control == nullptr)
        return nullptr;
    const auto [texts, added] = Texts().try_emplace(control);
    if (added)
        ::SetWindowSubclass(control, &AnswerScreenReaders, 0, 0);
    return &texts->second;
}

} // namespace

void SetAccessibleName(HWND control, const std::string& name, long child)
{
    RAccessibleTexts* texts = TextsOf(control);
    if (texts == nullptr || child < 0)
        return;
    const auto which = static_cast<std::size_t>(child);
    if (texts->Names.size() <= which)
        texts->Names.resize(which + 1);
    texts->Names[which] = WideText(name);
}

void SetAccessibleDescription(HWND control, const std::string& text)
{
    RAccessibleTexts* texts = TextsOf(control);
    if (texts == nullptr)
        return;
    std::wstring description = WideText(text);
    if (description == texts->Description)
        return;
    texts->Description = std::move(description);
    ::NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}
