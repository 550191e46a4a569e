// A Qt 5 Widgets host of the query builder: a window with a button that opens the dialog and
// a timer that keeps counting (shown in the window title) while the dialog is open, because
// the library's modal loop dispatches the GLib main context Qt's event loop runs on. The
// timer also tries to open a second dialog from inside the first one, which the library
// refuses.
//
// Standard output, one line each: "button X Y" (the button's centre on the screen) and
// "window ID" once shown; after the dialog "result R", "statement S", "ticks N" (ticks
// counted while the dialog was open) and "reentrant R" (the refused nested call).
#include <QvSQLBuilder.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

int ticks = 0;
bool dialogOpen = false;
int reentrant = -1;

class HostWindow : public QPushButton {
  public:
    HostWindow() : QPushButton("Build a query...") {
        setWindowTitle("Qt host");
        resize(400, 300);
        connect(this, &QPushButton::clicked, this, &HostWindow::Open);
        connect(&timer, &QTimer::timeout, this, &HostWindow::Tick);
        timer.start(100);
    }

  private:
    // Once the window manager has placed the shown window, where to click.
    void Announce() {
        const QPoint centre = mapToGlobal(rect().center());
        std::printf("button %d %d\nwindow %lu\n", centre.x(), centre.y(),
                    static_cast<unsigned long>(winId()));
        std::fflush(stdout);
        announced = true;
    }

    void Tick() {
        if (!announced && windowHandle() && windowHandle()->isExposed())
            Announce();
        ++ticks;
        setWindowTitle(QString("Qt host ticks %1").arg(ticks));
        if (dialogOpen && reentrant < 0) {
            char buffer[16] = "";
            reentrant = GetSELECTSQLQuery("Customers", "ID\tName\t", buffer, sizeof buffer);
        }
    }

    void Open() {
        char statement[1024] = "";
        const int before = ticks;
        dialogOpen = true;
        const int result =
            GetSELECTSQLQuery("Customers", "ID\tName\tCity\t", statement, sizeof statement);
        dialogOpen = false;
        std::printf("result %d\nstatement %s\nticks %d\nreentrant %d\n", result, statement,
                    ticks - before, reentrant);
        std::fflush(stdout);
        QApplication::quit();
    }

    QTimer timer;
    bool announced = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    HostWindow window;
    window.show();
    return app.exec();
}
