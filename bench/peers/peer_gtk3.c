/* The query builder's layout written with GTK 3, for start-up comparisons. With
 * --first-frame the process ends as soon as its first frame has reached the X server. */
#include "PeerCatalogue.h"

#include <gtk/gtk.h>
#include <string.h>
#include <unistd.h>

static gboolean firstFrame = FALSE;
static gboolean drawn = FALSE;

static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer data) {
    (void)widget, (void)cr, (void)data;
    drawn = TRUE;
    return FALSE;
}

/* After the frame clock's paint phase the window's pixels are out; a round trip makes sure
 * the server has them before the process ends. */
static void OnAfterPaint(GdkFrameClock* clock, gpointer window) {
    (void)clock;
    if (drawn) {
        gdk_display_sync(gtk_widget_get_display(GTK_WIDGET(window)));
        _exit(0);
    }
}

static void OnRealize(GtkWidget* window, gpointer data) {
    (void)data;
    GdkFrameClock* clock = gdk_window_get_frame_clock(gtk_widget_get_window(window));
    g_signal_connect(clock, "after-paint", G_CALLBACK(OnAfterPaint), window);
}

static void Put(GtkWidget* fixed, GtkWidget* child, int x, int y, int w, int h) {
    gtk_widget_set_size_request(child, w, h);
    gtk_fixed_put(GTK_FIXED(fixed), child, x, y);
}

static GtkWidget* Blue(const char* text) {
    GtkWidget* label = gtk_label_new(NULL);
    char* markup = g_markup_printf_escaped("<span foreground=\"#0000ff\">%s</span>", text);
    gtk_label_set_markup(GTK_LABEL(label), markup);
    g_free(markup);
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
    return label;
}

static GtkWidget* Scrolled(GtkWidget* child) {
    GtkWidget* scroller = gtk_scrolled_window_new(NULL, NULL);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
    gtk_container_add(GTK_CONTAINER(scroller), child);
    return scroller;
}

static void AddTextColumn(GtkWidget* view, const char* title, int index) {
    GtkCellRenderer* text = gtk_cell_renderer_text_new();
    gtk_tree_view_append_column(GTK_TREE_VIEW(view), gtk_tree_view_column_new_with_attributes(
                                                         title, text, "text", index, NULL));
}

static void AddCheckColumn(GtkWidget* view, const char* title, int index) {
    GtkCellRenderer* check = gtk_cell_renderer_toggle_new();
    gtk_tree_view_append_column(GTK_TREE_VIEW(view), gtk_tree_view_column_new_with_attributes(
                                                         title, check, "active", index, NULL));
}

static GtkWidget* ColumnList(void) {
    GtkListStore* store = gtk_list_store_new(2, G_TYPE_BOOLEAN, G_TYPE_STRING);
    gtk_list_store_insert_with_values(store, NULL, -1, 0, TRUE, 1, "*", -1);
    for (int i = 0; i < PEER_COLUMN_MAX; ++i)
        gtk_list_store_insert_with_values(store, NULL, -1, 0, FALSE, 1, peerColumns[i], -1);
    GtkWidget* view = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
    g_object_unref(store);
    gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(view), FALSE);
    AddCheckColumn(view, "", 0);
    AddTextColumn(view, "", 1);
    return view;
}

static GtkWidget* WhereGrid(void) {
    GtkListStore* store =
        gtk_list_store_new(4, G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING);
    GtkWidget* view = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
    g_object_unref(store);
    const char* titles[] = {"Value", "AndOr", "Fields", "Operator"};
    for (int i = 0; i < 4; ++i)
        AddTextColumn(view, titles[i], i);
    return view;
}

static GtkWidget* OrderByGrid(void) {
    GtkListStore* store = gtk_list_store_new(3, G_TYPE_BOOLEAN, G_TYPE_STRING, G_TYPE_STRING);
    for (int i = 0; i < PEER_COLUMN_MAX; ++i)
        gtk_list_store_insert_with_values(store, NULL, -1, 0, FALSE, 1, peerColumns[i], 2, "", -1);
    GtkWidget* view = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
    g_object_unref(store);
    AddCheckColumn(view, "", 0);
    AddTextColumn(view, "Fields", 1);
    AddTextColumn(view, "Asc/Desc", 2);
    return view;
}

static GtkWidget* Preview(void) {
    GtkWidget* view = gtk_text_view_new();
    gtk_text_view_set_editable(GTK_TEXT_VIEW(view), FALSE);
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_WORD_CHAR);
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), peerPreview, -1);
    return view;
}

static GtkWidget* TableCombo(void) {
    GtkWidget* combo = gtk_combo_box_text_new();
    for (int i = 0; i < PEER_TABLE_COUNT; ++i)
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(combo), peerTables[i]);
    gtk_combo_box_set_active(GTK_COMBO_BOX(combo), 0);
    return combo;
}

static GtkWidget* Checked(void) {
    GtkWidget* box = gtk_check_button_new();
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(box), TRUE);
    return box;
}

static void Fill(GtkWidget* f) {
    Put(f, Blue("Syntax:"), 10, 10, 140, 16);
    Put(f, Blue(peerSyntax), 10, 30, 156, 130);
    Put(f, gtk_label_new("SQL statement preview"), 10, 172, 180, 18);
    Put(f, Scrolled(Preview()), 10, 188, 180, 200);
    Put(f, Blue("SELECT"), 200, 10, 64, 18);
    Put(f, Scrolled(ColumnList()), 264, 10, 123, 108);
    Put(f, Blue("FROM"), 390, 10, 40, 18);
    Put(f, TableCombo(), 435, 10, 157, 26);
    Put(f, Blue("WHERE"), 201, 133, 60, 18);
    Put(f, Checked(), 213, 155, 16, 16);
    Put(f, Scrolled(WhereGrid()), 265, 131, 294, 140);
    Put(f, gtk_button_new_with_label("+"), 562, 133, 27, 29);
    Put(f, gtk_button_new_with_label("-"), 562, 162, 27, 29);
    Put(f, Blue("ORDER BY"), 201, 281, 62, 18);
    Put(f, Checked(), 214, 305, 16, 16);
    Put(f, Scrolled(OrderByGrid()), 265, 281, 220, 140 - 32);
    Put(f, gtk_button_new_with_label("^"), 487, 281, 24, 16);
    Put(f, gtk_button_new_with_label("v"), 487, 297, 24, 16);
    Put(f, gtk_button_new_with_label("OK"), 500, 340, 90, 23);
    Put(f, gtk_button_new_with_label("Cancel"), 500, 366, 90, 23);
}

int main(int argc, char** argv) {
    firstFrame = argc > 1 && strcmp(argv[1], "--first-frame") == 0;
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), peerTitle);
    gtk_window_set_default_size(GTK_WINDOW(window), 600, 399);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    GtkWidget* fixed = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(window), fixed);
    Fill(fixed);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    if (firstFrame) {
        g_signal_connect(window, "realize", G_CALLBACK(OnRealize), NULL);
        g_signal_connect_after(window, "draw", G_CALLBACK(OnDraw), NULL);
    }
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
