"""Runs end-to-end cases one after another: a line for each, and the failures again at the end,
short, since later cases often fail after the first."""

import sys
import time
import traceback


class CaseRunner:
    def __init__(self):
        self.passed = 0
        self.failures = []

    def run(self, name, case, group=None, after_failure=None):
        """Runs case(); prints PASS with its time, or FAIL with the traceback and then calls
        after_failure. Returns whether it passed."""
        started = time.monotonic()
        try:
            case()
        except Exception as error:
            where = "%s/%s" % (group, name) if group else name
            self.failures.append("%s: %s: %s" % (where, type(error).__name__, error))
            print("FAIL %s" % name, flush=True)
            traceback.print_exc(file=sys.stdout)
            if after_failure:
                after_failure()
            return False
        self.passed += 1
        print("PASS %s (%.1f s)" % (name, time.monotonic() - started), flush=True)
        return True

    def finish(self):
        """Prints the failures and the counts; returns the exit status."""
        for failure in self.failures:
            print("failed: " + failure)
        print("%d passed, %d failed" % (self.passed, len(self.failures)))
        return 0 if not self.failures else 1
