// The host's report list: an owner-drawn CListCtrl that paints whole rows (full-row selection
// highlight) with each column's alignment.
#pragma once

#include <afxcmn.h>

#include <brio/ui/BrUiApi.h>

namespace brio::ui::control {

class BRUI_API CListViewEx : public CListCtrl {
public:
    CListViewEx();
    ~CListViewEx() override;

    // Row drawing flags (16 bits). kHighlightFullRow (2) paints the selection across every column
    // rather than the first cell only.
    static constexpr WORD kHighlightLabel = 1;
    static constexpr WORD kHighlightFullRow = 2;
    void SetHighlightMode(WORD mode) { m_wHighlightMode = mode; }
    WORD GetHighlightMode() const { return m_wHighlightMode; }

    // The item setter every cell write goes through (first virtual this class adds).
    virtual BOOL SetItemEx(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                           UINT nStateMask, LPARAM lParam);

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

private:
    WORD m_wHighlightMode = kHighlightLabel;
};

} // namespace brio::ui::control
