// A test dialog with one control of each kind the product's dialog uses, made from an in-memory
// template, shown, and driven by the simulated user. Its dialog procedure records what the controls
// tell their parent, in order, as readable lines ("105 CBN_SELCHANGE", "101 NM_RCLICK row=2"), and
// apart from those what the lists tell of their rows, their life, the focus and their drawing.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

namespace sample {

enum Id : int {
    kCheck = 100,
    kOwnerList = 101, // owner-drawn report list, as the product's
    kPlainList = 102, // a list that draws its own rows
    kTotal = 103,     // read-only, right-aligned edit
    kLabel = 104,
    kComboA = 105, // 8 items, room for 5 in the open list
    kComboB = 106, // 3 items
    kPush = 107,
    kDisabledPush = 108,
    kGroupA = 109,
    kRadioA1 = 110,
    kRadioA2 = 111,
    kGroupB = 112,
    kRadioB1 = 113,
    kRadioB2 = 114,
};

constexpr COLORREF kTotalColour = 0xFFFFCC;   // the brush the dialog gives the total box
constexpr COLORREF kTotalTextBack = 0xCCFFCC; // the text background it sets (the product sets the same)
constexpr int kOwnerRowHeight = 18;           // what the dialog answers WM_MEASUREITEM with
constexpr int kOwnerColumnsWidth = 30 + 80 + 0;

struct DrawRecord {
    UINT ctlType = 0;
    UINT row = 0;
    UINT action = 0;
    UINT state = 0;
    RECT rect{};
    ULONG_PTR data = 0;
};

class SampleDialog {
public:
    SampleDialog();
    ~SampleDialog();
    SampleDialog(const SampleDialog&) = delete;
    SampleDialog& operator=(const SampleDialog&) = delete;

    HWND hwnd() const { return m_hwnd; }
    HWND item(int id) const { return GetDlgItem(m_hwnd, id); }

    // The notifications recorded since the last call, one per line, and forgotten.
    std::string takeEvents();
    std::vector<DrawRecord> takeDraws();
    int measureCount() const { return m_measureCount; }
    static constexpr int kAnyRow = -2;
    // Every notification of a list but custom drawing, recorded since the last call, one per line
    // ("101 LVN_ITEMCHANGED row=2 sub=0 changed=STATE old=- new=FOCUSED|SELECTED param=102").
    std::string takeListNotes();
    // The custom-draw stages the lists went through ("102 CDDS_ITEMPREPAINT row=0 sub=0 state=- param=100").
    std::string takeCustomDraws();
    // From now on the dialog answers `code` with `result` (for every row, or only for `row`).
    void answer(UINT code, LRESULT result, int row = kAnyRow);
    // ... and a custom-draw stage (CDDS_PREPAINT, CDDS_ITEMPREPAINT ...) with `result`.
    void answerCustomDraw(DWORD stage, LRESULT result) { m_drawAnswers[stage] = result; }

    // The last colour message each control sent (WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT ...).
    UINT lastColourMessage(int id) const;

    // Rows for the lists: "1".."n" in column 0, a value in column 1, item data 100 + row.
    void fillList(int id, int rows);

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void record(const std::string& line) { m_events.push_back(line); }
    LRESULT noteList(const NMHDR* header);

    struct Answer {
        UINT code;
        int row;
        LRESULT result;
    };

    HWND m_hwnd = nullptr;
    HBRUSH m_totalBrush = nullptr;
    std::vector<std::string> m_events;
    std::vector<DrawRecord> m_draws;
    std::vector<std::string> m_listNotes;
    std::vector<std::string> m_customDraws;
    std::vector<Answer> m_answers;
    std::map<DWORD, LRESULT> m_drawAnswers;
    std::map<int, UINT> m_colourMessages;
    int m_measureCount = 0;
    static inline SampleDialog* s_creating = nullptr; // between CreateDialogIndirectParamW and WM_INITDIALOG
};

// Joins lines with '\n' for one readable comparison of a whole sequence.
std::string Lines(const std::vector<std::string>& lines);

std::vector<int> SelectedRows(HWND list);
int FocusedRow(HWND list);

} // namespace sample
