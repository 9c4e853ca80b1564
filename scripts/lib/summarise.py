#!/usr/bin/env python3
"""Counts the cases of one ctest run: a GoogleTest executable counts its own
cases (from its JUnit XML in test-results/), any other ctest entry counts as one.
Prints 'PASSED FAILED' on stdout and the failed names on stderr."""
import os
import sys
import xml.etree.ElementTree as ET

build_dir, ctest_junit = sys.argv[1], sys.argv[2]
results_dir = os.path.join(build_dir, "test-results")
passed = failed = 0
try:
    cases = ET.parse(ctest_junit).getroot().iter("testcase")
except (OSError, ET.ParseError):
    print("0 1")
    sys.exit(0)
for case in cases:
    name = case.get("name")
    ctest_ok = case.get("status") in ("run", "passed", None) and case.find("failure") is None
    gtest_xml = os.path.join(results_dir, name + ".xml")
    counted = False
    if os.path.exists(gtest_xml):
        try:
            root = ET.parse(gtest_xml).getroot()
            for tc in root.iter("testcase"):
                if tc.get("result") == "skipped" or tc.find("skipped") is not None:
                    continue
                if tc.find("failure") is not None or tc.find("error") is not None:
                    failed += 1
                    print(f"  FAILED {name}: {tc.get('classname')}.{tc.get('name')}", file=sys.stderr)
                else:
                    passed += 1
            counted = True
        except ET.ParseError:
            pass
    if not counted:
        if ctest_ok:
            passed += 1
        else:
            failed += 1
            print(f"  FAILED {name}", file=sys.stderr)
    elif not ctest_ok:
        # The executable failed although its cases passed (a crash at exit, say).
        failed += 1
        print(f"  FAILED {name} (exit status)", file=sys.stderr)
print(passed, failed)
