#!/usr/bin/env python3
"""A Python host: loads libQvSQLBuilder with ctypes and asks the user for a statement."""
import ctypes
import os
import re
import subprocess
import sys


def library_path():
    """QVSQL_LIBRARY if set, else the library pkg-config knows of, else the loader's search."""
    if os.environ.get("QVSQL_LIBRARY"):
        return os.environ["QVSQL_LIBRARY"]
    try:
        libdir = subprocess.run(["pkg-config", "--variable=libdir", "QvSQLBuilder"],
                                capture_output=True, text=True, check=True).stdout.strip()
        # pkg-config escapes blanks in paths with a backslash.
        return os.path.join(re.sub(r"\\(.)", r"\1", libdir), "libQvSQLBuilder.so.1")
    except (OSError, subprocess.CalledProcessError):
        return "libQvSQLBuilder.so.1"


def load():
    lib = ctypes.CDLL(library_path())
    text = ctypes.c_char_p
    for name, args in (("SetLanguage", [ctypes.c_int]), ("SetGroupingChars", [text]),
                       ("SetTableAndColumns", [text, text]), ("SetShemaTable", [text, text]),
                       ("SetCurrentTable", [text])):
        getattr(lib, name).argtypes = args
        getattr(lib, name).restype = None
    lib.GetTable.argtypes = []
    lib.GetTable.restype = text
    lib.GetSELECTSQLQuery.argtypes = [text, text, ctypes.c_char_p, ctypes.c_int]
    lib.GetSELECTSQLQuery.restype = ctypes.c_int
    return lib


def main():
    lib = load()
    # Strings cross as UTF-8 bytes.
    lib.SetTableAndColumns("Customers".encode(), "ID\tName\tCity\t".encode())
    lib.SetTableAndColumns("Orders".encode(), "Order No\tCustomer\tTotal\t".encode())
    lib.SetShemaTable("Orders".encode(), "sales\tOrders".encode())
    lib.SetCurrentTable("Customers".encode())
    buffer = ctypes.create_string_buffer(4096)  # empty: no statement yet
    if lib.GetSELECTSQLQuery(None, None, buffer, len(buffer)) != 0:
        print("python-host: no statement (cancelled, or no display)", file=sys.stderr)
        return 1
    print(buffer.value.decode())
    print("table:", lib.GetTable().decode())
    return 0


if __name__ == "__main__":
    sys.exit(main())
