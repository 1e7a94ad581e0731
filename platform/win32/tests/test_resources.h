// Names of the test program's own resources (test_resources.rc), for the resource compiler and the tests.
#pragma once

#define TEST_DIALOG_CLASSIC 436
#define TEST_DIALOG_MISSING 437
#define TEST_CONTROL_PUSH 1351
#define TEST_CONTROL_LABEL 1350
#define TEST_CONTROL_CHECK 1314
