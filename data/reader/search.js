// The book's search: finds words and phrases in the search index the build wrote beside
// the pages (searchdb.js sets KVX_SEARCH_INDEX), with no server and no network, so it
// works from file://. A query's words must all occur in a section, each at the start of a
// word; a phrase in quotes must occur as it stands. The query comes from the form or from
// the address (search.htm?q=...).
(function () {
  "use strict";

  var kMaxResults = 100;
  var kBefore = 70;
  var kAfter = 170;

  var index = window.KVX_SEARCH_INDEX || { pages: {}, sections: [] };
  var folded = null;  // each section's title and text, folded once on the first search

  // Lower case, and the typographic quotes, dashes and blanks as the plain ones; every
  // character stays one character, so positions in folded text are positions in the text.
  function fold(text) {
    return text.toLowerCase()
      .replace(/[\u2018\u2019\u02bc]/g, "'")
      .replace(/[\u201c\u201d]/g, "\"")
      .replace(/[\u2013\u2014]/g, "-")
      .replace(/\u00a0/g, " ");
  }

  function isWordChar(c) {
    return /[0-9a-z\u00c0-\u024f]/.test(c);
  }

  // The terms of a query: phrases in quotes and single words, folded.
  function parseQuery(query) {
    var terms = [];
    var re = /"([^"]*)"?|(\S+)/g;
    var m;
    var q = fold(query);
    while ((m = re.exec(q)) !== null) {
      var term = (m[1] !== undefined ? m[1] : m[2]).replace(/\s+/g, " ").trim();
      term = term.replace(/^[^0-9a-z\u00c0-\u024f$&]+|[^0-9a-z\u00c0-\u024f%)]+$/g, "");
      if (term && terms.indexOf(term) < 0) terms.push(term);
    }
    return terms;
  }

  // Where term occurs in text at the start of a word: every position, in order.
  function occurrences(text, term) {
    var found = [];
    var at = text.indexOf(term);
    while (at >= 0) {
      if (at === 0 || !isWordChar(text.charAt(at - 1)) || !isWordChar(term.charAt(0)))
        found.push(at);
      at = text.indexOf(term, at + 1);
    }
    return found;
  }

  function escapeHtml(text) {
    return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
      .replace(/"/g, "&quot;");
  }

  // A stretch of the text around its first match, every match in it marked.
  function snippet(text, foldedText, terms, first) {
    var start = Math.max(0, first - kBefore);
    var end = Math.min(text.length, first + kAfter);
    if (start > 0) {
      var blank = text.indexOf(" ", start);
      if (blank >= 0 && blank < first) start = blank + 1;
    }
    if (end < text.length) {
      var last = text.lastIndexOf(" ", end);
      if (last > first) end = last;
    }
    var marks = [];
    terms.forEach(function (term) {
      occurrences(foldedText.substring(start, end), term).forEach(function (at) {
        marks.push([start + at, start + at + term.length]);
      });
    });
    marks.sort(function (a, b) { return a[0] - b[0]; });
    var html = start > 0 ? "&hellip; " : "";
    var pos = start;
    marks.forEach(function (m) {
      if (m[0] < pos) return;
      var stop = Math.min(m[1], end);
      html += escapeHtml(text.substring(pos, m[0])) + "<mark>" +
        escapeHtml(text.substring(m[0], stop)) + "</mark>";
      pos = stop;
    });
    html += escapeHtml(text.substring(pos, end));
    if (end < text.length) html += " &hellip;";
    return html;
  }

  // The sections that hold every term, best first: matches in the heading count most,
  // then the number of matches; ties keep the book's order.
  function search(query) {
    var terms = parseQuery(query);
    if (terms.length === 0) return { terms: terms, results: [] };
    if (folded === null)
      folded = index.sections.map(function (s) { return [fold(s[1]), fold(s[2])]; });
    var results = [];
    for (var i = 0; i < index.sections.length; ++i) {
      var score = 0;
      var first = -1;
      for (var t = 0; t < terms.length; ++t) {
        var inTitle = occurrences(folded[i][0], terms[t]).length;
        var inText = occurrences(folded[i][1], terms[t]);
        if (inTitle + inText.length === 0) { score = -1; break; }
        score += 10 * inTitle + Math.min(inText.length, 20);
        if (inText.length > 0 && (first < 0 || inText[0] < first)) first = inText[0];
      }
      if (score >= 0) results.push({ i: i, score: score, first: Math.max(first, 0) });
    }
    results.sort(function (a, b) { return b.score - a.score || a.i - b.i; });
    return { terms: terms, results: results };
  }

  function render(query) {
    var status = document.getElementById("kvxstatus");
    var list = document.getElementById("kvxresults");
    if (!status || !list) return;
    if (!window.KVX_SEARCH_INDEX) {
      status.textContent = "The search index (searchdb.js) is missing: build the book again.";
      return;
    }
    var found = search(query);
    if (found.terms.length === 0) {
      list.innerHTML = "";
      return;
    }
    // A chapter that copies a section of the state chapter shows the same passage twice:
    // list it once, with a link to the other place.
    var entries = [];
    var bySnippet = Object.create(null);
    found.results.forEach(function (r) {
      var text = snippet(index.sections[r.i][2], folded[r.i][1], found.terms, r.first);
      var first = bySnippet[text];
      if (first !== undefined && text !== "") {
        first.also.push(r.i);
        return;
      }
      var entry = { i: r.i, snippet: text, also: [] };
      bySnippet[text] = entry;
      entries.push(entry);
    });
    var shown = entries.slice(0, kMaxResults);
    var html = "";
    shown.forEach(function (r) {
      var s = index.sections[r.i];
      var page = s[0].split("#")[0];
      var pageTitle = index.pages[page] || page;
      var title = s[1] || pageTitle;
      html += "<li><a href=\"" + escapeHtml(s[0]) + "\">" + escapeHtml(title) + "</a>" +
        (s[1] ? " <span class=\"kvxpage\">" + escapeHtml(pageTitle) + "</span>" : "") +
        r.also.map(function (j) {
          var other = index.sections[j][0];
          var otherPage = other.split("#")[0];
          return " <span class=\"kvxpage\">also in <a href=\"" + escapeHtml(other) + "\">" +
            escapeHtml(index.pages[otherPage] || otherPage) + "</a></span>";
        }).join("") +
        "<p>" + r.snippet + "</p></li>";
    });
    list.innerHTML = html;
    var n = entries.length;
    status.textContent = n === 0 ? "No section of this edition holds " + query.trim() + "." :
      n + (n === 1 ? " section holds " : " sections hold ") + query.trim() +
      (n > shown.length ? "; the first " + shown.length + " are shown." : ".");
  }

  function queryOfAddress() {
    var m = /[?&]q=([^&#]*)/.exec(window.location.search);
    if (!m) return "";
    try {
      return decodeURIComponent(m[1].replace(/\+/g, " "));
    } catch (e) {
      return "";
    }
  }

  function start() {
    var input = document.getElementById("kvxquery");
    var query = queryOfAddress();
    if (input) {
      input.value = query;
      input.addEventListener("input", function () { render(input.value); });
      input.focus();
    }
    if (query) render(query);
  }

  window.KvxSearch = { search: search, parseQuery: parseQuery };
  if (document.readyState === "loading")
    document.addEventListener("DOMContentLoaded", start);
  else
    start();
})();
