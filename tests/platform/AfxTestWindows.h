#pragma once
// Framework windows for the framework's tests: each logs what reaches it into a shared log.
#include "platform/afx/AfxWin.h"

#include <string>
#include <vector>

namespace afxtest {

std::vector<std::string>& Log();
std::vector<std::string> TakeLog();
extern UINT registeredMessage;

// Answers messages through its map; anything else goes to the class procedure.
class Probe : public CWnd {
  public:
    explicit Probe(std::string probeName) : name(std::move(probeName)) {}
    std::string name;
    bool eatPreTranslate = false;
    bool deleteOnDestroy = false;

    BOOL PreTranslateMessage(MSG* msg) override;
    using CWnd::DefWindowProc;

  protected:
    void PostNcDestroy() override;
    void PreSubclassWindow() override;
    void OnTimer(UINT_PTR id) { Add("timer " + std::to_string(id)); }
    LRESULT OnUserOne(WPARAM wParam, LPARAM lParam);
    LRESULT OnRegistered(WPARAM wParam, LPARAM lParam);
    void OnClicked100() { Add("clicked 100"); }
    void OnSelChange101() { Add("selchange 101"); }
    void OnCheckChange103() { Add("chkchange 103"); }
    void OnRange(UINT id) { Add("range " + std::to_string(id)); }
    void OnDblClk102(NMHDR* header, LRESULT* result);
    void OnClickParent(NMHDR*, LRESULT*) { Add("parent click"); }
    void OnCustomDrawParent(NMHDR*, LRESULT*) { Add("parent customdraw"); }
    BOOL OnNeedText(UINT id, NMHDR* header, LRESULT* result);
    void OnDrawItem(int id, DRAWITEMSTRUCT*) { Add("parent drawitem " + std::to_string(id)); }
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);
    void Add(const std::string& what) { Log().push_back(name + ":" + what); }
    DECLARE_MESSAGE_MAP()
};

// Adds its own entries in front of Probe's.
class DerivedProbe : public Probe {
  public:
    using Probe::Probe;

  protected:
    LRESULT OnUserOne(WPARAM wParam, LPARAM lParam);
    LRESULT OnUserTwo(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A child taking its own notifications back from the parent.
class ReflectingChild : public Probe {
  public:
    using Probe::Probe;
    HBRUSH brush = nullptr;

  protected:
    void OnCustomDraw(NMHDR* header, LRESULT* result);
    BOOL OnClick(NMHDR* header, LRESULT* result);
    void OnClickedReflect() { Add("clicked reflected"); }
    void DrawItem(DRAWITEMSTRUCT* item) { Add("DrawItem " + std::to_string(item->CtlID)); }
    HBRUSH CtlColor(CDC* dc, UINT kind);
    DECLARE_MESSAGE_MAP()
};

} // namespace afxtest
