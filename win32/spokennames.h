// spokennames.h: what a screen reader calls a control whose text does not say it, through the
// system's accessibility annotations.
#pragma once

#include <windows.h>

#include <string_view>

struct IAccPropServices;

namespace pebblix::win32 {

// Names given here replace the name a screen reader would take from the control's own text: a
// cell says "Поле 5: празно" where its text says "0". Where the system offers no annotations, the
// controls keep the names their texts give them; nothing fails.
class SpokenNames {
public:
    SpokenNames();
    ~SpokenNames();
    SpokenNames(const SpokenNames&) = delete;
    SpokenNames& operator=(const SpokenNames&) = delete;

    // Names the control from now on; a later call renames it.
    void Name(HWND control, std::string_view name);
    // Takes back every name given to the control: due before it is destroyed.
    void Forget(HWND control);

private:
    bool comStarted_ = false;
    IAccPropServices* services_ = nullptr;
};

} // namespace pebblix::win32
