// The application-wide pieces: message boxes with the application's caption and exactly the given type,
// the main window as the owner of parentless dialogs and boxes.
#include "test_support.h"
#include "dialog_template_bytes.h"

namespace {

class ApplicationTest : public MfcTest {};

struct BoxCase {
    const char* name;
    UINT type;
    UINT shown;
};
void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

class MessageBoxTest : public ApplicationTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, CarriesTheApplicationsNameAndExactlyTheGivenType) {
    CWinApp app(L"BrTest");
    standin::QueueMessageBoxAnswer(IDOK);
    AfxMessageBox(L"本文", GetParam().type);
    auto boxes = standin::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"本文");
    EXPECT_EQ(boxes[0].caption, L"BrTest");
    EXPECT_EQ(boxes[0].flags, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageBoxTest,
    ::testing::Values(BoxCase{"Ok", MB_OK, MB_OK}, BoxCase{"OkCancel", MB_OKCANCEL, MB_OKCANCEL},
                      BoxCase{"YesNo", MB_YESNO, MB_YESNO},
                      BoxCase{"YesNoCancel", MB_YESNOCANCEL, MB_YESNOCANCEL},
                      BoxCase{"RetryCancel", MB_RETRYCANCEL, MB_RETRYCANCEL},
                      BoxCase{"OwnIconKept", MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST_F(ApplicationTest, WithoutAnApplicationTheExecutableNamesTheBoxes) {
    standin::QueueMessageBoxAnswer(IDYES);
    EXPECT_EQ(AfxMessageBox(L"?", MB_YESNO), IDYES);
    ASSERT_EQ(standin::MessageBoxes().size(), 1u);
    EXPECT_EQ(standin::MessageBoxes()[0].caption, std::wstring(L"mfc_tests"));
}

TEST_F(ApplicationTest, TheMainWindowOwnsDialogsMadeWithoutAParent) {
    CWinApp app(L"BrTest");
    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), L"frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                               nullptr, nullptr));
    app.m_pMainWnd = &frame;
    EXPECT_EQ(AfxGetMainWnd(), &frame);

    static const DialogItem items[] = {
        {WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 5, 5, 40, 14, IDOK, L"Button", L"OK"}};
    static const DialogSpec tmpl = {WS_POPUP | WS_CAPTION | DS_SETFONT,
                                    0,
                                    0,
                                    0,
                                    100,
                                    50,
                                    L"t",
                                    9,
                                    FW_NORMAL,
                                    0,
                                    128,
                                    L"MS PGothic",
                                    0,
                                    items,
                                    1};
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(DialogTemplateBytes(tmpl).get()));
    EXPECT_EQ(::GetWindow(dialog.m_hWnd, GW_OWNER), frame.m_hWnd);

    dialog.DestroyWindow();
    frame.DestroyWindow();
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "a destroyed main window is no longer the main window";
}

} // namespace
