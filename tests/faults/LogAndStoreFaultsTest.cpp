// The host's log server and settings store failing under the dialog: a log that throws stops each
// command at its first trace, before it changes anything, and the exception reaches the host; a log
// that breaks while the host handles the draw request leaves the dialog hidden with its rows; a
// store that fails at reading stops the new window and keeps what it holds; a store that fails at
// closing keeps the window until the settings can be written. After each the host goes on.
#include "FaultFixture.h"

#include <automation.h>
#include <standin/hooks.h>

#include <commctrl.h>

#include <functional>

namespace reliability::test {
namespace {

constexpr const wchar_t* kSection = L"MeasureTotalDlg";

struct UserAction {
    const char* name;
    std::function<void(DialogHost&)> act;
    // The command reaches the dialog from the system's own frames (DefWindowProc).
    bool throughTheSystem = false;
};

void ClickControl(DialogHost& world, int id) {
    automation::Click(world.control(id));
}

TEST_F(Faults, ALogThatThrowsStopsEachCommandBeforeItChangesAnything) {
    const UserAction actions[] = {
        {"削除 with the second row selected", [](DialogHost& w) { ClickControl(w, IDC_BUTTON_DELETE); }},
        {"すべて削除 answered Yes",
         [](DialogHost& w) {
             w.m_answers.m_nBoxAnswer = IDYES;
             ClickControl(w, IDC_BUTTON_DELETE_ALL);
         }},
        {"the Delete key in the list", [](DialogHost&) { automation::PressKey(VK_DELETE); }},
        {"削除 from the context menu",
         [](DialogHost& w) {
             w.m_answers.m_nMenuCommand = ID_LIST_DELETE; // 削除
             automation::RightClickList(w.control(IDC_LIST_LENGTH), 1);
         }},
        {"小数点以下2位", [](DialogHost& w) { automation::ChooseComboItem(w.control(IDC_CMB_MARUME1), 3); }},
        {"the unit m", [](DialogHost& w) { ClickControl(w, IDC_UNIT_RADIO2); }},
        {"the draw box 累計", [](DialogHost& w) { ClickControl(w, IDC_CHK_DRAW_TOTAL); }},
        {"a measurement", [](DialogHost& w) { w.callEntry(Length(5)); }},
        {"the close button", [](DialogHost& w) { automation::ClickFrameButton(w.dialog(), SC_CLOSE); }, true},
    };
    for (const UserAction& action : actions) {
        if (action.throughTheSystem &&
            measure_test::SkipsOnWindows(measure_test::windows_causes::kFrameCommandThrowsAcrossTheSystem))
            continue;
        SCOPED_TRACE(action.name);
        m_world->fresh();
        Open({10, 20, 30});
        automation::PickListRow(m_world->control(IDC_LIST_LENGTH), 1);
        const DialogView before = View();
        const int menus = m_world->m_answers.m_nMenus;
        const int boxes = m_world->m_answers.m_nBoxes;

        Inject(std::string("log throws: ") + action.name);
        m_world->setLogThrowing(true);
        const std::string escaped = m_world->survive([&] { action.act(*m_world); });
        m_world->setLogThrowing(false);

        EXPECT_NE(escaped.find("write failed"), std::string::npos) << escaped;
        const DialogView after = View();
        ASSERT_TRUE(after.window) << "the window went";
        ASSERT_EQ(after.rows.size(), before.rows.size());
        for (size_t i = 0; i < before.rows.size(); ++i)
            for (int column : {kColumnNumber, kColumnScale, kColumnElement, kColumnSign, kColumnRawValue})
                EXPECT_EQ(after.rows[i].cells[column], before.rows[i].cells[column]) << "row " << i;
        EXPECT_EQ(m_world->m_answers.m_nMenus, menus) << "no menu opens";
        EXPECT_EQ(m_world->m_answers.m_nBoxes, boxes) << "no question is asked";
        HostGoesOn();
        ExpectNothingLeaked();
    }
}

// "作図後閉じる": the dialog hides, the host draws and its log breaks meanwhile, so the closing
// cannot even write its trace. The dialog stays hidden with its rows; the next measurement shows
// it again with all of them, and a close then keeps the draw options.
TEST_F(Faults, ALogThatBreaksWhileTheHostDrawsLeavesTheDialogHiddenWithItsRows) {
    Inject("log breaks during the draw request");
    Open({10, 20});
    ClickControl(*m_world, IDC_CHK_DRAW_LIST);
    ClickControl(*m_world, IDC_CHK_CLOSE);
    m_world->m_bFailLogWhileDrawing = true;
    const std::string escaped = m_world->survive([&] { ClickControl(*m_world, IDC_BUTTON_DRAW); });
    m_world->setLogThrowing(false);

    EXPECT_NE(escaped.find("write failed"), std::string::npos) << escaped;
    EXPECT_EQ(m_world->m_nDraws, 1);
    EXPECT_NE(m_world->lastSummary().find(L"20"), std::wstring::npos) << "the host drew both rows";
    const DialogView hidden = View();
    ASSERT_TRUE(hidden.window);
    EXPECT_FALSE(hidden.visible);
    EXPECT_EQ(Column(kColumnRawValue), (std::vector<std::wstring>{RawCellText(10), RawCellText(20)}));

    HostGoesOn();
    EXPECT_EQ(Column(kColumnNumber), (std::vector<std::wstring>{L"1", L"2", L"3"}));
    ASSERT_EQ(m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); }), "");
    const auto stored = m_world->storedSettings();
    EXPECT_EQ(stored.at(L"drawList"), 1);
    EXPECT_EQ(stored.at(L"close"), 1);
    ExpectNothingLeaked();
}

// The user's last choice (小数点以下3位) is in the store when the store starts failing.
struct ReadFailure {
    const char* name;
    StoreMode mode;
    Garbage garbage;
    std::string escaped; // how the failure reaches the host
};

TEST_F(Faults, AStoreThatFailsAtReadingStopsTheWindowAndKeepsWhatItHolds) {
    const ReadFailure failures[] = {
        {"the store throws", StoreMode::Throwing, Garbage::Text, "settings store failure"},
        {"a text for marume1", StoreMode::Garbage, Garbage::Text, ComErrorText(DISP_E_TYPEMISMATCH)},
        {"1e300 for marume1", StoreMode::Garbage, Garbage::HugeReal, ComErrorText(DISP_E_OVERFLOW)},
        {"a null for marume1", StoreMode::Garbage, Garbage::Null, ComErrorText(DISP_E_TYPEMISMATCH)},
        {"2^63-1 for marume1", StoreMode::Garbage, Garbage::HugeInteger, ComErrorText(DISP_E_OVERFLOW)},
    };
    for (const ReadFailure& failure : failures) {
        SCOPED_TRACE(failure.name);
        m_world->fresh();
        Open({10});
        automation::ChooseComboItem(m_world->control(IDC_CMB_MARUME1), 4);
        ASSERT_EQ(m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); }), "");
        const auto storedBefore = m_world->storedSettings();
        ASSERT_EQ(storedBefore.at(L"marume1"), 4);

        Inject(std::string("settings store: ") + failure.name);
        m_world->store().m_mode = failure.mode;
        m_world->store().m_garbageKind = failure.garbage;
        m_world->store().m_garbageKey = 3; // close, drawList, drawTotal, marume1: the first key read
        m_world->m_log.clear();
        const std::string escaped = m_world->tryMeasure(Length(20));

        EXPECT_NE(escaped.find(failure.escaped), std::string::npos) << escaped;
        EXPECT_EQ(m_world->dialog(), nullptr) << "a half-made window stayed";
        EXPECT_NE(m_world->object(), nullptr) << "the object belongs to the host";
        // The set-up's trace closes, then its error line; the host hears of the failure.
        const std::string self = AddressText(m_world->object());
        EXPECT_EQ(m_world->m_log.linesOf(L"MeasureTotalDlg: OnInitDialog()"),
                  "> MeasureTotalDlg: OnInitDialog()  this=" + self +
                      "\n< MeasureTotalDlg: OnInitDialog()  this=" + self +
                      "\n- MeasureTotalDlg: OnInitDialog() 例外\n");
        const standin::LiveObjects live = standin::CountLiveObjects();
        EXPECT_EQ(std::make_pair(live.fonts, live.brushes),
                  std::make_pair(m_world->baseline().fonts, m_world->baseline().brushes));
        EXPECT_EQ(m_world->storedSettings(), storedBefore) << "the store keeps what it held";

        HostGoesOn();
        EXPECT_EQ(View().position, 4) << "the stored choice comes back";
        ExpectNothingLeaked();
    }
}

// Values the store hands back as other types are taken as their integer conversion gives them.
struct Converted {
    const char* name;
    Garbage garbage;
    int position; // what the rounding position combo then shows
};

TEST_F(Faults, StoredValuesOfOtherTypesAreTakenAsTheyConvert) {
    const Converted cases[] = {
        {"\" 7 \"", Garbage::NumberText, 7},
        {"2.5 (half to even)", Garbage::Real, 2},
        {"true (-1: no item)", Garbage::Boolean, -1},
        {"empty (0)", Garbage::Empty, 0},
    };
    for (const Converted& c : cases) {
        SCOPED_TRACE(c.name);
        m_world->fresh();
        Open({10});
        ASSERT_EQ(m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); }), "");
        Inject(std::string("settings store hands back ") + c.name);
        m_world->store().m_mode = StoreMode::Garbage;
        m_world->store().m_garbageKind = c.garbage;
        m_world->store().m_garbageKey = 3;
        ASSERT_EQ(m_world->tryMeasure(Length(20)), "");
        EXPECT_EQ(View().position, c.position);
        HostGoesOn();
        ExpectNothingLeaked();
    }
}

TEST_F(Faults, AStoreThatFailsAtClosingKeepsTheWindowUntilItCanSave) {
    Inject("settings store throws at closing");
    Open({10, 20});
    automation::ChooseComboItem(m_world->control(IDC_CMB_MARUME2), 2); // 切り捨て
    m_world->store().m_mode = StoreMode::Throwing;
    const std::string escaped =
        m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); });
    EXPECT_NE(escaped.find("settings store failure"), std::string::npos) << escaped;
    ASSERT_NE(m_world->dialog(), nullptr) << "the window waits for its settings to be written";
    EXPECT_EQ(m_world->storedSettings().count(L"marume2"), 0u);
    HostGoesOn();

    // Put right, the next close writes the choice the user made before the failure.
    ASSERT_EQ(m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); }), "");
    EXPECT_EQ(m_world->dialog(), nullptr);
    EXPECT_EQ(m_world->storedSettings().at(L"marume2"), 2);
    ExpectNothingLeaked();

    Inject("settings store refuses at closing");
    m_world->fresh();
    Open({10});
    automation::ChooseComboItem(m_world->control(IDC_CMB_MARUME2), 1);
    m_world->store().m_mode = StoreMode::Refusing;
    EXPECT_EQ(m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); }), "");
    EXPECT_EQ(m_world->dialog(), nullptr) << "a refusing store does not keep the window";
    EXPECT_EQ(m_world->storedSettings().count(L"marume2"), 0u);
    HostGoesOn();
    ExpectNothingLeaked();

    Inject("no settings store");
    m_world->fresh();
    m_world->setStorePresent(false);
    Open({10});
    EXPECT_EQ(View().position, 1) << "the defaults";
    EXPECT_EQ(m_world->survive([&] { automation::ClickFrameButton(m_world->dialog(), SC_CLOSE); }), "");
    EXPECT_TRUE(m_world->store().stored(kSection).empty());
    HostGoesOn();
    ExpectNothingLeaked();
}

} // namespace
} // namespace reliability::test
