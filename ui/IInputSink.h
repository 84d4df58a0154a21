#pragma once
// What a backend tells the dialog it shows: raw input and notifications, resizes, destruction.
#include "ui/Types.h"

namespace mdvr::ui {

class IInputSink {
public:
    virtual ~IInputSink() = default;
    // Returns true when the input was consumed: the backend then skips its default handling
    // (a consumed Char is not inserted, a consumed ImeChar never becomes a Char, a consumed
    // KeyDown does nothing more).
    virtual bool OnInput(const Notification& n) = 0;
    virtual void OnResize(int width, int height) = 0;
    // Pop-ups: how a point of the client area reacts to the mouse (caption = drags the window).
    virtual HitZone HitTest(Point /*clientPoint*/) { return HitZone::Client; }
};

}  // namespace mdvr::ui
