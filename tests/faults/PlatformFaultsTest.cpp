// The Windows stand-in failing under the dialog: no font or brush for its set-up, and every result
// the clipboard copy can give. The dialog works without what it could not make and frees only what
// it made; a failed copy is told to the user and changes no row.
#include "FaultFixture.h"

#include <automation.h>
#include <standin/hooks.h>

#include <cwchar>
#include <functional>

namespace reliability::test {
namespace {

struct GdiFault {
    const char* name;
    standin::Fault fault;
    int count;
};

TEST_F(Faults, WithoutItsFontOrBrushesTheDialogWorksAndFreesWhatItMade) {
    const GdiFault faults[] = {
        {"CreateFontW fails", standin::Fault::CreateFont, 1},
        {"the first CreateSolidBrush fails", standin::Fault::CreateSolidBrush, 1},
        {"both CreateSolidBrush calls fail", standin::Fault::CreateSolidBrush, 2},
    };
    for (const GdiFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        m_world->fresh();
        Inject(fault.name);
        standin::FailNext(fault.fault, fault.count);
        Open({10, 20.5});
        const DialogView view = View();
        EXPECT_EQ(view.total, L"31");
        // The window paints: the total box and the combos ask for the colours that are missing.
        EXPECT_EQ(m_world->survive([&] {
            automation::ReadPixel(m_world->control(IDC_EDIT_TOTAL), 3, 3);
            automation::ReadPixel(m_world->control(IDC_CMB_MARUME1), 3, 3);
        }),
                  "");
        // Closing and opening again frees nothing twice and makes them anew.
        ASSERT_EQ(m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); }), "");
        const standin::LiveObjects closed = standin::CountLiveObjects();
        EXPECT_EQ(std::make_pair(closed.fonts, closed.brushes),
                  std::make_pair(m_world->baseline().fonts, m_world->baseline().brushes));
        HostGoesOn();
        ExpectNothingLeaked();
    }
}

struct ClipboardResult {
    const char* name;
    std::function<void()> arrange;
    const wchar_t* message; // the box the user sees, "" for none
    const wchar_t* after;   // what the clipboard then holds
};

TEST_F(Faults, EachClipboardResultIsToldToTheUserAndChangesNoRow) {
    const std::wstring copied = L"1\t1/100\t線分\t 10\tmm\r\n2\t1/100\t線分\t-20\tmm\r\n";
    const wchar_t* failed = L"クリップボードへのコピーに失敗しました。";
    const ClipboardResult results[] = {
        {"0: copied", [] {}, L"", copied.c_str()},
        {"1: no memory for the text", [] { standin::FailNext(standin::Fault::GlobalAlloc); }, failed,
         L"earlier"},
        {"2: the memory cannot be locked", [] { standin::FailNext(standin::Fault::GlobalLock); }, failed,
         L"earlier"},
        {"3: the clipboard cannot be opened", [] { standin::SetClipboardOpenFails(true); },
         L"クリップボードを開けませんでした。", L"earlier"},
        {"4: the clipboard refuses the text", [] { standin::FailNext(standin::Fault::SetClipboardData); },
         failed, L""},
    };
    for (const ClipboardResult& result : results) {
        SCOPED_TRACE(result.name);
        m_world->fresh();
        ASSERT_EQ(m_world->tryMeasure(Length(10)), "");
        ASSERT_EQ(m_world->tryMeasure(Length(20, TRUE)), "");
        OpenClipboard(nullptr);
        EmptyClipboard();
        HGLOBAL earlier = GlobalAlloc(GMEM_MOVEABLE, sizeof(L"earlier"));
        std::wmemcpy(static_cast<wchar_t*>(GlobalLock(earlier)), L"earlier", 8);
        GlobalUnlock(earlier);
        SetClipboardData(CF_UNICODETEXT, earlier);
        CloseClipboard();
        const DialogView before = View();
        standin::ClearMessageBoxes();

        Inject(std::string("clipboard copy gives ") + result.name);
        result.arrange();
        m_world->m_answers.m_nMenuCommand = ID_LIST_COPY_ALL; // クリップボードにすべてコピー
        EXPECT_EQ(
            m_world->survive([&] { automation::RightClickList(m_world->control(IDC_LIST_LENGTH), -1); }), "");
        standin::SetClipboardOpenFails(false);

        const auto boxes = standin::MessageBoxes();
        if (*result.message == L'\0') {
            EXPECT_TRUE(boxes.empty());
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, result.message);
            EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_OK));
        }
        EXPECT_EQ(standin::ClipboardText(), result.after);
        const DialogView after = View();
        ASSERT_EQ(after.rows.size(), before.rows.size());
        for (size_t i = 0; i < after.rows.size(); ++i)
            for (int column = 0; column < kColumnCount; ++column)
                EXPECT_EQ(after.rows[i].cells[column], before.rows[i].cells[column]);
        HostGoesOn();
        ExpectNothingLeaked();
    }
}

} // namespace
} // namespace reliability::test
