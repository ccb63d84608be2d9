#pragma once

struct BenchConfig;
class Report;

// A suite measures one group of figures and adds a line per figure to the report.
void runStartupSuite(const BenchConfig &config, Report &report);
void runAnswerSuite(const BenchConfig &config, Report &report);
void runJpegSuite(const BenchConfig &config, Report &report);
void runJournalSuite(const BenchConfig &config, Report &report);
void runFindSuite(const BenchConfig &config, Report &report);
