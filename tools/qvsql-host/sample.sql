-- The demo host's sample catalogue: label data whose names exercise identifier quoting
-- (a blank, a reserved word, a digit, a dot and an apostrophe).
CREATE TABLE Customers (
  ID INTEGER PRIMARY KEY,
  Name TEXT NOT NULL,
  City TEXT,
  "Zip Code" TEXT,
  "Order" INTEGER,
  Phone2 TEXT
);
INSERT INTO Customers VALUES
  (1, 'Anne Martin', 'Paris', '75001', 3, '+33 1 40 00 00 01'),
  (2, 'Arthur Lenoir', 'Lyon', '69002', 1, '+33 4 72 00 00 02'),
  (3, 'Brigitte Roux', 'Paris', '75011', 7, NULL),
  (4, 'Carl Weber', 'Berlin', '10115', 2, '+49 30 0000003'),
  (5, 'Dora Schmidt', 'Hamburg', '20095', 5, NULL),
  (6, 'Eamon O''Hara', 'Dublin', 'D02', 4, '+353 1 000 0006'),
  (7, 'Alice Dupont', 'Paris', '75006', 6, NULL);

CREATE TABLE Products (
  SKU TEXT PRIMARY KEY,
  Description TEXT NOT NULL,
  "Unit Price" REAL,
  "Desc" TEXT,
  Weight_kg REAL,
  "Batch#" INTEGER
);
INSERT INTO Products VALUES
  ('LB-100', 'Address label 100 x 50', 0.04, 'white, matt', 0.002, 18),
  ('LB-200', 'Shipping label 150 x 100', 0.09, 'white, gloss', 0.004, 21),
  ('LB-300', 'Barcode label 50 x 25', 0.02, 'yellow', 0.001, 7),
  ('RB-010', 'Thermal ribbon 110 mm', 6.50, 'wax', 0.150, 3),
  ('RB-020', 'Thermal ribbon 60 mm', 4.20, 'resin', 0.090, 5);

CREATE TABLE "Print Jobs" (
  JobID INTEGER PRIMARY KEY,
  SKU TEXT,
  Copies INTEGER,
  "Date" TEXT,
  "Printer.Name" TEXT
);
INSERT INTO "Print Jobs" VALUES
  (1, 'LB-100', 250, '2026-11-02', 'Zebra ZT410'),
  (2, 'LB-300', 1000, '2026-11-03', 'Zebra ZT410'),
  (3, 'LB-200', 40, '2026-11-05', 'Brother QL-820'),
  (4, 'LB-100', 120, '2026-11-09', 'Brother QL-820');
