/* The catalogue every peer dialog shows: the tables and columns of the demo host's sample,
 * opened on Customers. Plain C so that the C, C++ and toolkit peers share one copy. */
#ifndef PEER_CATALOGUE_H
#define PEER_CATALOGUE_H

#define PEER_TABLE_COUNT 3
#define PEER_COLUMN_MAX 6

static const char* const peerTables[PEER_TABLE_COUNT] = {"Customers", "Print Jobs", "Products"};
static const char* const peerColumns[PEER_COLUMN_MAX] = {"ID",       "Name",  "City",
                                                         "Zip Code", "Order", "Phone2"};
static const char* const peerSyntax = "SELECT <columns>\nFROM <table>\n[WHERE  <search "
                                      "condition>]\n[ORDER BY <columns>\n[ASC | DESC]]";
static const char* const peerPreview = "SELECT * FROM Customers ";
static const char* const peerTitle = "Orvane SQL Query Builder - SELECT SQL Query";

#endif
