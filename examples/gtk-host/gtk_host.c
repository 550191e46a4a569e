/* A GTK 3 host of the query builder: a window with a button that opens the dialog and a
 * timer that keeps counting (shown in the window title) while the dialog is open, because
 * the library's modal loop dispatches GTK's main context. The timer also tries to open a
 * second dialog from inside the first one, which the library refuses.
 *
 * Standard output, one line each: "button X Y" (the button's centre on the screen) and
 * "window ID" once shown; after the dialog "result R", "statement S", "ticks N" (ticks
 * counted while the dialog was open) and "reentrant R" (the refused nested call). */
#include <QvSQLBuilder.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <stdio.h>

static int ticks;
static int dialogOpen;
static int reentrant = -1;

static gboolean Tick(gpointer window) {
    char title[64];
    ++ticks;
    snprintf(title, sizeof title, "GTK host ticks %d", ticks);
    gtk_window_set_title(GTK_WINDOW(window), title);
    if (dialogOpen && reentrant < 0) {
        char buffer[16] = "";
        reentrant = GetSELECTSQLQuery("Customers", "ID\tName\t", buffer, sizeof buffer);
    }
    return G_SOURCE_CONTINUE;
}

static void Clicked(GtkButton* button, gpointer unused) {
    char statement[1024] = "";
    const int before = ticks;
    (void)button;
    (void)unused;
    dialogOpen = 1;
    const int result =
        GetSELECTSQLQuery("Customers", "ID\tName\tCity\t", statement, sizeof statement);
    dialogOpen = 0;
    printf("result %d\nstatement %s\nticks %d\nreentrant %d\n", result, statement, ticks - before,
           reentrant);
    fflush(stdout);
    gtk_main_quit();
}

static gboolean Announce(GtkWidget* widget, GdkEvent* event, gpointer button) {
    GtkAllocation area;
    int x = 0;
    int y = 0;
    (void)event;
    gtk_widget_get_allocation(GTK_WIDGET(button), &area);
    gdk_window_get_origin(gtk_widget_get_window(GTK_WIDGET(button)), &x, &y);
    printf("button %d %d\nwindow %lu\n", x + area.x + area.width / 2, y + area.y + area.height / 2,
           (unsigned long)GDK_WINDOW_XID(gtk_widget_get_window(widget)));
    fflush(stdout);
    g_signal_handlers_disconnect_by_func(widget, Announce, button);
    return FALSE;
}

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWidget* button = gtk_button_new_with_label("Build a query...");
    gtk_window_set_title(GTK_WINDOW(window), "GTK host");
    gtk_window_set_default_size(GTK_WINDOW(window), 400, 300);
    gtk_container_add(GTK_CONTAINER(window), button);
    g_signal_connect(button, "clicked", G_CALLBACK(Clicked), NULL);
    g_signal_connect(window, "map-event", G_CALLBACK(Announce), button);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    g_timeout_add(100, Tick, window);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
