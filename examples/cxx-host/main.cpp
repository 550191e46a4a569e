// A C++ host: drives a dialog object of its own, made by CreateSELECTSQLQueryDlg.
#include <QvSQLBuilder.h>

#include <cstdio>
#include <memory>

int main() {
    std::printf("QvSQLBuilder header %d.%d.%d\n", QVSQLBUILDER_VERSION_MAJOR,
                QVSQLBUILDER_VERSION_MINOR, QVSQLBUILDER_VERSION_PATCH);
    // The host owns the dialog object; deleting it releases it inside the library.
    std::unique_ptr<ISELECTSQLQueryDlg> dialog(CreateSELECTSQLQueryDlg());
    if (!dialog) {
        std::fprintf(stderr, "cxx-host: no dialog object\n");
        return 2;
    }
    dialog->SetTableAndColumns("Customers", "ID\tName\tCity\t");
    dialog->SetTableAndColumns("Orders", "Order No\tCustomer\tTotal\t");
    dialog->SetSchemaTable("Orders", "sales\tOrders");
    dialog->SetSQL("");           // no statement yet
    SetCurrentTable("Customers"); // the module-wide settings still apply

    if (dialog->DoModal() != 1) { // 1 is OK
        std::fprintf(stderr, "cxx-host: no statement (cancelled, or no display)\n");
        return 1;
    }
    std::printf("%s\n", dialog->GetSQL());
    return 0;
}
