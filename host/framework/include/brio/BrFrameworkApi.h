#pragma once
#define BRFRAMEWORK_API __attribute__((visibility("default")))
