#!/usr/bin/env python3
"""Prints the cells of a CSV file, as Python's csv module reads them, as JSON: a list of rows of strings."""
import csv
import json
import sys

with open(sys.argv[1], newline="", encoding="utf-8") as f:
    json.dump(list(csv.reader(f, strict=True)), sys.stdout, ensure_ascii=False)
