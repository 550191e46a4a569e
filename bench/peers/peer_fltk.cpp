// The query builder's layout written with FLTK 1.3, for start-up comparisons. With
// --first-frame the process ends as soon as its first frame has reached the X server.
#include "PeerCatalogue.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Text_Display.H>
#include <FL/x.H>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// The back buffer reaches the window inside flush(); after it the frame is out.
class PeerWindow : public Fl_Double_Window {
  public:
    PeerWindow(bool watch) : Fl_Double_Window(600, 399, peerTitle), watch(watch) {}

    void flush() override {
        Fl_Double_Window::flush();
        if (watch) {
            XSync(fl_display, False);
            _exit(0);
        }
    }

  private:
    bool watch;
};

Fl_Box* Blue(int x, int y, int w, int h, const char* text) {
    auto* box = new Fl_Box(x, y, w, h, text);
    box->labelcolor(fl_rgb_color(0, 0, 255));
    box->labelsize(12);
    box->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP);
    return box;
}

void ColumnList() {
    auto* list = new Fl_Check_Browser(264, 10, 123, 108);
    list->add("*", 1);
    for (const char* column : peerColumns) {
        list->add(column, 0);
    }
}

Fl_Browser* Grid(int x, int y, int w, int h, const int* widths, const char* header) {
    auto* grid = new Fl_Browser(x, y, w, h);
    grid->column_widths(widths);
    grid->column_char('\t');
    grid->add(header);
    return grid;
}

void OrderByGrid() {
    static const int widths[] = {20, 120, 70, 0};
    Fl_Browser* grid = Grid(265, 281, 220, 108, widths, "@B49\t@B49Fields\t@B49Asc/Desc");
    for (const char* column : peerColumns) {
        char row[64];
        std::snprintf(row, sizeof row, "[ ]\t%s\t", column);
        grid->add(row);
    }
}

void TableCombo() {
    auto* combo = new Fl_Choice(435, 10, 157, 24);
    for (const char* table : peerTables) {
        combo->add(table);
    }
    combo->value(0);
}

void Preview(Fl_Text_Buffer& text) {
    auto* preview = new Fl_Text_Display(10, 188, 180, 200);
    preview->buffer(&text);
    preview->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
}

void Fill(Fl_Text_Buffer& text) {
    static const int whereWidths[] = {90, 60, 90, 54, 0};
    Blue(10, 10, 140, 16, "Syntax:");
    Blue(10, 30, 156, 130, peerSyntax);
    new Fl_Box(10, 172, 180, 18, "SQL statement preview");
    Preview(text);
    Blue(200, 10, 64, 18, "SELECT");
    ColumnList();
    Blue(390, 10, 40, 18, "FROM");
    TableCombo();
    Blue(201, 133, 60, 18, "WHERE");
    (new Fl_Check_Button(213, 155, 16, 16))->value(1);
    Grid(265, 131, 294, 140, whereWidths, "@B49Value\t@B49AndOr\t@B49Fields\t@B49Operator");
    new Fl_Button(562, 133, 27, 29, "+");
    new Fl_Button(562, 162, 27, 29, "-");
    Blue(201, 281, 62, 18, "ORDER BY");
    (new Fl_Check_Button(214, 305, 16, 16))->value(1);
    OrderByGrid();
    new Fl_Button(487, 281, 24, 16, "@8>");
    new Fl_Button(487, 297, 24, 16, "@2>");
    new Fl_Return_Button(500, 340, 90, 23, "OK");
    new Fl_Button(500, 366, 90, 23, "Cancel");
}

} // namespace

int main(int argc, char** argv) {
    const bool firstFrame = argc > 1 && std::strcmp(argv[1], "--first-frame") == 0;
    Fl_Text_Buffer text;
    text.text(peerPreview);
    PeerWindow window(firstFrame);
    Fill(text);
    window.end();
    window.set_modal();
    window.show();
    return Fl::run();
}
