// An exception out of a control's message handling (a std::exception, an MFC exception thrown by
// pointer, an OLE error): each operation it passes through closes its trace, writes its error line
// if it has one and passes the exception on, so the log shows the path it took; the host reports
// it and goes on, and nothing is lost or leaked. Work done before the failure stays done. An MFC
// exception goes no further than the window procedure of the message whose handler let it go: the
// framework tells the user with its own box and the host's loop sees nothing.
// A person's click or key reaches the dialog's controls from inside its PreTranslateMessage (the
// dialog manager dispatches it there), so that operation's error line closes those paths.
#include "FaultFixture.h"

#include <automation.h>

#include <afxwin.h>
#include <comdef.h>
#include <commctrl.h>

#include <functional>
#include <stdexcept>

namespace reliability::test {
namespace {

enum class Thrown { Standard, Mfc, Ole };

// One control whose window procedure throws on one message, once.
class FailingControl {
public:
    FailingControl(HWND control, UINT message, Thrown thrown) : m_hControl(control) {
        s_message = message;
        s_thrown = thrown;
        s_armed = true;
        s_original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FailingControl::Proc)));
    }
    ~FailingControl() {
        if (IsWindow(m_hControl))
            SetWindowLongPtrW(m_hControl, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_original));
    }
    FailingControl(const FailingControl&) = delete;
    FailingControl& operator=(const FailingControl&) = delete;
    static bool thrown() { return !s_armed; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (s_armed && message == s_message) {
            s_armed = false;
            switch (s_thrown) {
            case Thrown::Standard:
                throw std::runtime_error("a control failed");
            case Thrown::Mfc:
                AfxThrowMemoryException();
            case Thrown::Ole:
                _com_raise_error(E_FAIL);
            }
        }
        return CallWindowProcW(s_original, hwnd, message, wParam, lParam);
    }

    HWND m_hControl = nullptr;
    static inline WNDPROC s_original = nullptr;
    static inline UINT s_message = 0;
    static inline Thrown s_thrown = Thrown::Standard;
    static inline bool s_armed = false;
};

struct ControlFault {
    const char* name;
    int control;
    UINT message;
    Thrown thrown;
    const char* reaches; // the kind of exception the host catches, "" for none
    std::function<void(DialogHost&)> act;
    // The entries of the dialog's operations in order; {this} stands for the object's address.
    std::string log;
    int rowsAfter;                         // of the three there were; work done before the failure stays
    const wchar_t* frameworkBox = nullptr; // the box the framework shows for an exception it ended
    // Done before the control fails, so that what the case means to reach is the first to ask it.
    std::function<void(DialogHost&)> prepare = {};
};

std::string WithAddress(std::string text, const std::string& address) {
    for (size_t at = text.find("{this}"); at != std::string::npos; at = text.find("{this}"))
        text.replace(at, 6, address);
    return text;
}

TEST_F(Faults, AnExceptionFromAControlGoesOutThroughEveryOperationOnItsWay) {
    const ControlFault faults[] = {
        {"the list fails to delete a row", IDC_LIST_LENGTH, LVM_DELETEITEM, Thrown::Standard,
         "std::exception", [](DialogHost& w) { automation::Click(w.control(IDC_BUTTON_DELETE)); },
         "> MeasureTotalDlg: OnDeleteItem()\n"
         "< MeasureTotalDlg: OnDeleteItem()\n"
         "- MeasureTotalDlg: OnDeleteItem() 例外\n"
         "- MeasureTotalDlg: PreTranslateMessage() 例外\n",
         3},
        {"the list fails to count its selection on the Delete key", IDC_LIST_LENGTH, LVM_GETSELECTEDCOUNT,
         Thrown::Ole, "_com_error", [](DialogHost&) { automation::PressKey(VK_DELETE); },
         "> MeasureTotalDlg: OnDeleteItem()\n"
         "< MeasureTotalDlg: OnDeleteItem()\n"
         "- MeasureTotalDlg: OnDeleteItem() 例外\n"
         "- MeasureTotalDlg: OnKeydownVertexList() 例外\n"
         "- MeasureTotalDlg: PreTranslateMessage() 例外\n",
         3},
        {"the list fails to give a cell while the unit changes", IDC_LIST_LENGTH, LVM_GETITEMTEXTW,
         Thrown::Mfc, "", [](DialogHost& w) { automation::Click(w.control(IDC_UNIT_RADIO2)); },
         "> MeasureTotalDlg: OnUnitRadio2()\n"
         "> MeasureTotalDlg: SetData()  this={this}\n"
         "< MeasureTotalDlg: SetData()  this={this}\n"
         "- MeasureTotalDlg: SetData() 例外\n"
         "< MeasureTotalDlg: OnUnitRadio2()\n",
         3, L"Internal application error.",
         // The click takes the focus from the list, and an owner-drawn list may redraw its focused
         // row, asking its cells, before the click is done (Wine draws it then and there).
         [](DialogHost& w) { ::SetFocus(w.control(IDC_UNIT_RADIO2)); }},
        {"the total box fails to take its text during a measurement", IDC_EDIT_TOTAL, WM_SETTEXT,
         Thrown::Standard, "std::exception", [](DialogHost& w) { w.callEntry(Length(40)); },
         "> MeasureTotalDlg: SetListData()\n"
         "> MeasureTotalDlg: SetData()  this={this}\n"
         "> MeasureTotalDlg: SetTotalLength()\n"
         "< MeasureTotalDlg: SetTotalLength()\n"
         "- MeasureTotalDlg: SetTotalLength() 例外\n"
         "< MeasureTotalDlg: SetData()  this={this}\n"
         "- MeasureTotalDlg: SetData() 例外\n"
         "< MeasureTotalDlg: SetListData()\n"
         "- MeasureTotalDlg: SetListData() 例外\n",
         4},
        {"the list fails to find the rows to copy", IDC_LIST_LENGTH, LVM_GETNEXTITEM, Thrown::Mfc, "",
         [](DialogHost& w) {
             w.m_answers.m_nMenuCommand = ID_LIST_COPY_ALL;
             automation::RightClickList(w.control(IDC_LIST_LENGTH), 0);
         },
         "> MeasureTotalDlg: OnRclickLengthList()\n"
         "< MeasureTotalDlg: OnRclickLengthList()\n"
         "> MeasureTotalDlg: OnListCopyAll()\n"
         "- MeasureTotalDlg: ListToClipBoard() 例外\n"
         "< MeasureTotalDlg: OnListCopyAll()\n",
         3, L"Command failed."},
    };
    for (const ControlFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        m_world->fresh();
        Open({10, 20, 30});
        automation::PickListRow(m_world->control(IDC_LIST_LENGTH), 1);
        const std::string self = AddressText(m_world->object());
        if (fault.prepare)
            fault.prepare(*m_world);
        Inject(fault.name);
        std::string escaped;
        {
            FailingControl failing(m_world->control(fault.control), fault.message, fault.thrown);
            m_world->m_log.clear();
            standin::ClearMessageBoxes();
            escaped = m_world->survive([&] { fault.act(*m_world); });
            EXPECT_TRUE(FailingControl::thrown()) << "the fault was never met";
        }
        if (*fault.reaches == '\0') {
            EXPECT_EQ(escaped, "");
        } else {
            EXPECT_EQ(escaped.rfind(fault.reaches, 0), 0u) << escaped;
        }
        const auto boxes = standin::MessageBoxes();
        if (fault.frameworkBox == nullptr) {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, fault.frameworkBox);
            EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
        }
        EXPECT_EQ(m_world->m_log.linesOf(L"MeasureTotalDlg: "), WithAddress(fault.log, self));
        EXPECT_EQ(View().rows.size(), static_cast<size_t>(fault.rowsAfter));
        HostGoesOn();
        ExpectNothingLeaked();
    }
}

} // namespace
} // namespace reliability::test
