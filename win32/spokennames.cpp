// spokennames.cpp: what a screen reader calls a control whose text does not say it.
#include "spokennames.h"

#include "controls.h"

#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace pebblix::win32 {

namespace {
// The name of the control itself, not of a part of it.
constexpr DWORD kClient = static_cast<DWORD>(OBJID_CLIENT);
} // namespace

SpokenNames::SpokenNames() {
    // The window's thread is single-threaded for COM, as a window's thread must be; where the
    // program already started COM otherwise, the service is still reachable.
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comStarted_ = SUCCEEDED(started);
    void* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services))) {
        services_ = static_cast<IAccPropServices*>(services);
    }
}

SpokenNames::~SpokenNames() {
    if (services_ != nullptr) {
        services_->Release();
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

void SpokenNames::Name(HWND control, std::string_view name) {
    if (services_ != nullptr) {
        services_->SetHwndPropStr(control, kClient, CHILDID_SELF, PROPID_ACC_NAME,
                                  Wide(name).c_str());
    }
}

void SpokenNames::Forget(HWND control) {
    if (services_ != nullptr) {
        MSAAPROPID name = PROPID_ACC_NAME;
        services_->ClearHwndProps(control, kClient, CHILDID_SELF, &name, 1);
    }
}

} // namespace pebblix::win32
