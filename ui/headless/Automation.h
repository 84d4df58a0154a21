#pragma once
// What tests and the reference host drive: finds the headless dialogs and scripts the modal ones.
// Screen, clock, clipboard, message tips and answers are read and set on Backend().
#include <functional>
#include <vector>

#include "ui/headless/DialogDriver.h"
#include "ui/headless/HeadlessBackend.h"

namespace mdvr::ui {

class Automation {
  public:
    Automation() : m_backend(HeadlessBackend::Instance()) {}

    HeadlessBackend& Backend() const { return m_backend; }
    // The dialog of that template; when several live, the most recent showing one, else the most
    // recent. Invalid when there is none.
    DialogDriver Find(int templateId) const;
    std::vector<DialogDriver> Dialogs() const;  // every live dialog, oldest first
    // The next modal run calls script with the modal dialog instead of waiting for a user.
    void OnNextModal(std::function<void(DialogDriver&)> script);
    // Describes every showing dialog, oldest first.
    std::wstring DescribeAll() const;

  private:
    HeadlessBackend& m_backend;
};

}  // namespace mdvr::ui
