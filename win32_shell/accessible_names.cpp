#include "win32_shell/accessible_names.h"

#include <oleacc.h>

#include "win32_shell/wide_text.h"
#include "win32_shell/window_builder.h"

namespace pricewright {

void nameControls(HWND parent, std::span<const ControlSpec> controls, std::span<const AccessibleText> texts) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                              reinterpret_cast<void**>(&services))))
    return;
  for (const AccessibleText& text : texts) {
    HWND control = controlNamed(parent, controls, text.control);
    services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, toWide(text.name).c_str());
    if (!text.description.empty())
      services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                               toWide(text.description).c_str());
  }
  services->Release();
}

}  // namespace pricewright
