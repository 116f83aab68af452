#pragma once

// Web addresses the pages name in their instructions, kept in one place so
// every page points the user to the same service.

// The official service where a worker reads the Social Security statement of
// earnings and estimated benefits.
inline constexpr char kSocialSecurityStatementAddress[] = "https://www.ssa.gov/myaccount/";
