#pragma once

// An operation on 2,000 targets, some silent and some refusing: how soon its
// results table is painted, how long its log line takes to build and write,
// and how long scoutel --history takes over a log of 10,000 operations.
// False when a step failed.
bool benchRecord();
