// The alarm-mask popup on a 144-DPI screen. Its own program: the screen's DPI is read once per
// process.
#include <gtest/gtest.h>

#include "pagebase/CDlgAlarmMask.h"
#include "pages/PageFixture.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

TEST_F(AnyPageFixture, AlarmMaskColumnStaysInsideTheScaledList) {
    m_automation.Backend().SetDpi(144);
    int listWidth = 0;
    int columnWidth = 0;
    m_automation.OnNextModal([&](ui::DialogDriver& popup) {
        listWidth = popup.View()->GetRect(CDlgAlarmMask::kListId).w;
        columnWidth = popup.View()->ColumnWidth(CDlgAlarmMask::kListId, 0);
    });
    CDlgAlarmMask popup;
    popup.DoModal(nullptr);
    EXPECT_EQ(listWidth, 450);
    EXPECT_EQ(columnWidth, 427);  // 285 dialog units: the list less its scroll bar
}

}  // namespace
}  // namespace mdvr::test
