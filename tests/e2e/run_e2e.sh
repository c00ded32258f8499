#!/usr/bin/env bash
# End-to-end tests under Wine (the driver follows).
echo "0 passed, 0 failed"
