// The board of a day as an HTML page that reads without scripts.
#include "AppBoardPage.h"

#include "AppBoardText.h"

std::string AppBoardPage::Html(const std::string& day, const std::vector<AppBoardLine>& lines,
                               const std::vector<std::string>& earlierDays) {
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>Zingaroo board " +
                       day +
                       "</title>\n<style>body{font-family:sans-serif;margin:2em auto;max-width:"
                       "48em}table{border-collapse:collapse;width:100%}th,td{padding:.3em .6em;"
                       "text-align:left;border-bottom:1px solid #ccc}td.n{text-align:right}"
                       "</style>\n</head>\n<body>\n<h1>Zingaroo board: " +
                       day + "</h1>\n";
    if (lines.empty()) {
        html += "<p>No games yet.</p>\n";
    } else {
        html += "<table id=\"lines\">\n<thead><tr><th>Rank</th><th>Name</th><th>Score</th>"
                "<th>Phase</th><th>Steps</th><th>Time (UTC)</th><th>Replay</th></tr></thead>\n"
                "<tbody>\n";
        for (const AppBoardLine& line : lines) {
            const std::string id = std::to_string(line.id);
            html += "<tr><td class=\"n\">" + std::to_string(line.rank) + "</td><td>" +
                    AppBoardText::Html(line.name) + "</td><td class=\"n\">" +
                    std::to_string(line.score) + "</td><td class=\"n\">" +
                    std::to_string(line.phase) + "</td><td class=\"n\">" +
                    std::to_string(line.steps) + "</td><td>" + AppBoardText::Time(line.received) +
                    "</td><td><a href=\"/api/v1/games/" + id + ".zingaroo\" download>Replay " + id +
                    "</a></td></tr>\n";
        }
        html += "</tbody>\n</table>\n";
    }
    if (!earlierDays.empty()) {
        html += "<h2>Earlier days</h2>\n<ul id=\"days\">\n";
        for (const std::string& earlier : earlierDays)
            html += "<li><a href=\"/days/" + earlier + "\">" + earlier + "</a></li>\n";
        html += "</ul>\n";
    }
    return html + "</body>\n</html>\n";
}
