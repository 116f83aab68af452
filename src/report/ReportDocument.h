#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A printed report as data: pages of headings, paragraphs, tables and charts,
// described without any drawing so the same description feeds a PDF, a print
// preview and tests. The printer lays each page out and breaks long tables.

struct ReportTable {
  std::vector<std::string> header;
  std::vector<bool> rightAligned;  // per column
  std::vector<std::vector<std::string>> rows;
  // Columns that open every page when the table runs onto more pages.
  int keyColumns = 0;
};

// A line chart over calendar years: lines, and bands between two of them.
struct ReportChart {
  struct Line {
    std::string name;
    std::vector<std::int64_t> values;  // one per year
    bool bold = false;
    bool dashed = false;
  };
  struct Band {
    std::size_t low = 0;  // indices into lines
    std::size_t high = 0;
    int shade = 0;  // 0 light, 1 darker
  };
  std::string caption;  // what the vertical axis counts
  std::vector<std::int64_t> years;
  std::vector<Line> lines;
  std::vector<Band> bands;
  bool small = false;  // a third of the page's height instead of half
};

struct ReportBlock {
  enum class Kind { Heading, Paragraph, Table, Chart, PlanGraph, Drawing };
  Kind kind = Kind::Paragraph;
  std::string text;  // headings and paragraphs
  ReportTable table;
  ReportChart chart;
  // A picture the printer is handed with the document (a page's own chart): its place in that list.
  std::size_t drawing = 0;
};

// Each report page starts on a fresh sheet and runs onto more when it must.
struct ReportPage {
  std::string title;
  std::vector<ReportBlock> blocks;
};

struct ReportDocument {
  std::string planName;
  std::string planFile;
  std::string date;  // when the report was made, as the reader's calendar says it
  std::vector<ReportPage> pages;
};

// Builders that keep page descriptions short.
ReportBlock HeadingBlock(std::string text);
ReportBlock ParagraphBlock(std::string text);
ReportBlock TableBlock(ReportTable table);
ReportBlock ChartBlock(ReportChart chart);
ReportBlock DrawingBlock(std::size_t drawing);
