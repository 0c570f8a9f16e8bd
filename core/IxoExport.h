#pragma once
// Marks what the data-file library exports; it is built with everything else
// hidden.

#define IXOCORE_API __attribute__((visibility("default")))
