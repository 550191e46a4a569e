/* A C host: registers two tables, asks the user for a statement and prints it. */
#include <QvSQLBuilder.h>

#include <stdio.h>

int main(void) {
    char statement[4096] = ""; /* the statement of last time, if any, goes in here */

    SetLanguage(0);         /* english.str beside this program, if it is there */
    SetGroupingChars("[]"); /* how names that need quoting are enclosed */
    SetTableAndColumns("Customers", "ID\tName\tCity\t");
    SetTableAndColumns("Orders", "Order No\tCustomer\tTotal\t");
    SetShemaTable("Orders", "sales\tOrders"); /* written as [sales].[Orders] */
    SetCurrentTable("Customers");

    if (GetSELECTSQLQuery("Customers", "ID\tName\tCity\t", statement, sizeof statement) != 0) {
        fprintf(stderr, "c-host: no statement (cancelled, or no display)\n");
        return 1;
    }
    printf("%s\n", statement);
    printf("table: %s\n", GetTable());
    return 0;
}
