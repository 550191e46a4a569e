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
    int postNcDestroyCalls = 0;

    BOOL PreTranslateMessage(MSG* msg) override;
    using CWnd::DefWindowProc;

  protected:
    void PostNcDestroy() override;
    void PreSubclassWindow() override;
    void OnTimer(UINT_PTR id);
    LRESULT OnUserOne(WPARAM wParam, LPARAM lParam);
    LRESULT OnRegistered(WPARAM wParam, LPARAM lParam);
    void OnClicked100();
    void OnSelChange101();
    void OnCheckChange103();
    void OnRange(UINT id);
    void OnDblClk102(NMHDR* header, LRESULT* result);
    void OnClickParent(NMHDR* header, LRESULT* result);
    void OnCustomDrawParent(NMHDR* header, LRESULT* result);
    BOOL OnNeedText(UINT id, NMHDR* header, LRESULT* result);
    void OnDrawItem(int id, DRAWITEMSTRUCT* item);
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
    void OnClickedReflect();
    void DrawItem(DRAWITEMSTRUCT* item);
    HBRUSH CtlColor(CDC* dc, UINT kind);
    DECLARE_MESSAGE_MAP()
};

} // namespace afxtest
