-- The PostgreSQL catalogue of the ODBC test: two schemas besides public, names that need
-- quoting (a blank, a reserved word, a digit), two schemas that one search pattern would
-- mix up, names with control characters, and views that fail in each way a server can.
CREATE SCHEMA sales;
CREATE SCHEMA "Stock Room";
CREATE SCHEMA stock_room;
CREATE SCHEMA stockXroom;
CREATE SCHEMA empty;

CREATE TABLE public.customers (
  id integer PRIMARY KEY,
  name text NOT NULL,
  city text,
  "Zip Code" text,
  "order" integer
);
INSERT INTO public.customers VALUES
  (1, 'Anne Martin', 'Paris', '75001', 3),
  (2, 'Carl Weber', 'Berlin', '10115', 2),
  (3, 'Brigitte Roux', 'Paris', '75011', 7),
  (4, 'Alice Dupont', 'Paris', '75006', 6);

CREATE TABLE sales."Orders" ("Order No" integer, customer integer, total numeric(8, 2), q2 integer);
INSERT INTO sales."Orders" VALUES (100, 1, 12.50, 1), (101, 3, 7.00, 2), (102, 1, 99.90, 3);

CREATE TABLE "Stock Room".items (sku text, "Unit Price" numeric, "Straße" text);
INSERT INTO "Stock Room".items VALUES ('LB-100', 0.04, 'Königsallee'), ('RB-010', 6.5, 'Rue');

CREATE TABLE stock_room.shelf (a integer);
CREATE TABLE stockXroom.shelf (b integer);

CREATE TABLE sales."tab	name" (x integer);
CREATE TABLE sales.odd ("ok" integer, "line
break" integer);
CREATE TABLE sales.nothing ();

CREATE VIEW sales.broken AS SELECT 1 / (id - id) AS x FROM public.customers;
CREATE VIEW sales.dying AS SELECT pg_terminate_backend(pg_backend_pid()) AS x;
CREATE VIEW sales.slow AS SELECT pg_sleep(5)::text AS x;
