#include "book/PrintableBook.h"

#include "base/Errors.h"
#include "base/Files.h"
#include "book/BookFiles.h"
#include "book/BookText.h"
#include "core/App.h"
#include "core/FolderHold.h"
#include "core/Messages.h"

namespace kvx {

namespace {

class Compiler {
 public:
  explicit Compiler(App& app) : app_(app) {}

  void Write(std::string_view line) {
    out_.append(line);
    out_.append("\r\n");
  }

  // Copies the reading text of one page, between its markers.
  void AppendPage(const std::string& page, int state) {
    const bool stateChapter = page == "STATCHAP.HTM";
    bool firstStart = true, financing = false;
    for (std::string line : ReadLines(app_.Path(page))) {
      if (Contains(line, "START_READ")) {
        state = 1;
        line = firstStart ? "<hr>  </p>" : "</p>";
        firstStart = false;
      } else if (Contains(line, "STOP_READ")) {
        state = 0;
      } else if (Contains(line, "END_READ")) {
        state = -1;
      } else if (Contains(line, "STOP_EBOOK")) {
        state = 0;
      } else if (Contains(line, "START_EBOOK")) {
        state = 1;
        line.clear();
      } else if (Contains(line, "@EBOOK_ONLY")) {
        line.clear();
      }
      if (state == -1) return;
      if (stateChapter && state == 0 && Contains(line, "<A NAME=\"I\"></A>")) {
        StateHeading();
        state = 1;
      } else if (stateChapter && state == 1) {
        if (financing && Contains(line, "<A NAME=\"PAKEND\">")) return;
        if (Contains(line, "<A NAME=\"FINANCING\">")) financing = true;
      }
      if (state == 1) Write(Contains(line, ".htm#") ? OneFileLinks(line) : line);
    }
  }

  void StateHeading() {
    Write("<br> <hr>");
    Write("<A NAME=\"TOP_STATE\"></A>");
    Write("<FONT FACE=\"Arial Black\"SIZE=+2>");
    // The state's name comes from the data set, which anyone may edit, so it is escaped
    // as every page of the book escapes it.
    Write("<p align=\"CENTER\">Part V. &nbsp; &nbsp; " + EscapeHtml(app_.profile.StateName) +
          " Chapter</FONT></p>");
    Write(
        "<p align=\"center\"><img src=\"horiyell.gif\"alt=\"horiyell.gif (1505 bytes)\" "
        "WIDTH=\"650\" HEIGHT=\"19\">");
    Write("</p>");
  }

  // Links into other pages of the book point into the one file.
  static std::string OneFileLinks(std::string line) {
    for (const BookPage& page : kBookPages)
      if (page.file != "contents.htm") line = ReplaceAll(line, std::string(page.file) + "#", "#");
    return line;
  }

  std::string& out() { return out_; }

 private:
  App& app_;
  std::string out_;
};

void Compile(App& app, Compiler& c, bool outline) {
  // The pages up to appendix A, whole; the contents page from its first line (its head is
  // the file's head). Appendix B follows when asked for, appendix C never.
  for (const BookPage& page : kBookPages) {
    if (page.file == "appendB.htm") break;
    if (page.printed)
      c.AppendPage(UpperAscii(std::string(page.file)), page.file == "contents.htm" ? 1 : 0);
  }
  for (const char* line : {"<br>", "<hr>", "<br>", "<A NAME=\"TOP_APPB\"></A>",
                           "<p align=\"CENTER\"><FONT FACE=\"Arial Black\"SIZE=+1>Appendix "
                           "B</FONT><br><br>"})
    c.Write(line);
  if (outline) {
    c.AppendPage("APPENDB.HTM", 0);
  } else {
    c.Write("<A NAME=\"SEC15\"></A>");
    c.Write(
        "<p>In order to save trees, Appendix B, the Business Plan Outline, a lengthy (96-page),");
    c.Write("editable document, is not included in this (printable) version of \"Opusgrand");
    c.Write("in " + EscapeHtml(app.profile.StateName) + ",\" since you chose not to include");
    c.Write("it when you created this printable version.");
    c.Write(
        "<p>If you wish to print out the Business Plan Outline, we suggest you use the Corvanta");
    c.Write("software to open Appendix B and print it out separately, using your browser's print");
    c.Write(
        "function, or else edit/print the file with a word processor. (File name is AppendB.htm "
        "or,");
    c.Write("for a pure ASCII file version, use the BIZPLAN.TXT file.)");
    c.Write("<br>");
  }
  for (const char* line :
       {"<hr>", "<p align=\"CENTER\"><FONT FACE=\"Arial Black\" SIZE=+1>Appendix C</FONT><br><br>",
        "<p>To keep you from wasting paper, Appendix C and all references to it have been "
        "removed",
        "from this print version of the book, since Appendix C only includes links to various",
        "tax and other government forms included with Corvanta -- You can't click on a",
        "page of a printed book to open a .PDF file. If you do wish for some reason to print "
        "out Appendix C,",
        // The button is named, not linked: the contents page is not beside the book file.
        "you may do so by going to Appendix C (using the 'GO! (Open Table of Contents)'",
        "button on the main Corvanta screen) and printing that HTML file from your browser.",
        "<hr><br>", "</HTML>"})
    c.Write(line);
}

}  // namespace

std::string CompileBook(App& app, bool outline) {
  Compiler compiler(app);
  Compile(app, compiler, outline);
  return std::move(compiler.out());
}

std::string BookFileName(const App& app) {
  return app.profile.StateCode + "_BOOK.HTM";
}

std::string BookFolder(App& app) {
  if (app.session.WinVer == "XP") return app.session.PathSpec;
  return app.system.DocumentsFolder() + "KVXDOCS/";
}

std::string MakeOneFile(App& app) {
  const Session& s = app.session;
  const CompanyProfile& p = app.profile;
  const std::string bookFile = BookFileName(app);
  const bool shortName = p.StateName.size() < 12;
  const std::string title1 = shortName ? "" : " in";
  const std::string title2 = shortName ? "in " + p.StateName : p.StateName;
  const std::string edition =
      s.Generic == "Y" ? "(Generic Version)" : "(Customized for " + p.Company + ")";
  const std::string cr = "\r";
  if (app.ui.ShowMessage(
          Box("CREATE ONE LARGE BOOK FILE (ONE-CLICK PRINTABLE)",
              "The software will now compile the \"Opusgrand" + title1 + cr + title2 +
                  "\" book into a single HTML file, and can launch your web" + cr +
                  "browser to view and/or print the book from that file. " + cr + cr + edition +
                  cr + cr + "The large file will be saved as (file name):   " + bookFile + cr + cr +
                  "                                            ('OK' to "
                  "continue)",
              Icon::None, kOk | kCancel, kOk)) != kOk)
    return {};
  const Button outline = app.ui.ShowMessage(
      Box("Include Business Plan Outline?",
          "Do you want to include the Business Plan Outline in the" + cr + "printable version?" +
              cr + cr + "Answer 'NO' if you wish to leave out the 96-page outline" + cr +
              "(Appendix B) and save a few trees. We recommend printing" + cr +
              "it out separately, if you do wish to print the outline and" + cr +
              "use it to develop your business plan.",
          Icon::Question, kYes | kNo | kCancel, kNo));
  if (outline == kCancel) return {};

  // The pages are read while no build of this folder can change them.
  const FolderHold hold(app, WhenBusy::Ask);
  if (!hold.Held()) return {};
  const std::string folder = BookFolder(app);
  const std::string target = folder + bookFile;
  // What an interrupted earlier print left beside the book goes (a running one's stays).
  RemoveStaleWork(folder);
  KvxError error;
  try {
    // The name comes from the state code of the data set: nothing outside the book
    // folder is written because of it.
    if (!IsPlainFileName(bookFile)) Raise(kErrBadFileName, "Bad book file name: " + bookFile);
    if (s.WinVer != "XP") CopyBookImages(app, folder);
    const std::string book = CompileBook(app, outline == kYes);
    // Only a whole book replaces the one before it; a failure keeps the old book.
    WriteFile(target, book);
  } catch (...) {
    error = CurrentError();
  }
  if (error.number != 0) {
    app.ui.ShowMessage(
        Box("", "Error # " + NumberText(error.number) + " in MakeOneFile SUB", Icon::None));
    return {};
  }
  const Button view = app.ui.ShowMessage(
      Box("View / Print Single-File Version of Book Now",
          UpperAscii(p.StateName) + " EDITION SUCCESSFULLY COMPILED INTO ONE" + cr +
              "(PRINTABLE) FILE:  " + cr + cr + target + cr + cr +
              "In a moment, you may view and/or print the ready-to-print book file" + cr +
              "in your browser." + cr + cr +
              "If you have Internet Explorer and Microsoft Word, you can view," + cr +
              "edit, or print the book file, using Word. To do so, while viewing" + cr +
              "the book in Internet Explorer, simply click on:" + cr + cr +
              "                                  FILE / Edit with Microsoft Word." + cr + cr +
              "         QUICK & EASY FORMATTING SUGGESTIONS FOR MS WORD:" + cr + cr +
              "If you import the file into Microsoft Word:" + cr + cr +
              "  -- Open Word's 'View' menu and select 'Print Layout' to create" + cr +
              "      distinct pages." + cr +
              "  -- Then open Word's 'Insert' menu and select 'Page Numbers'" + cr +
              "      to insert page numbers." + cr +
              "  -- Use 'Insert / Break' to insert page breaks if you like, at" + cr +
              "      the end of each chapter." + cr +
              "  -- Word lets you print odd or even pages, so you can do two-" + cr +
              "      sided printing." + cr + cr +
              "                Click 'OK' To Open Browser for Viewing / Printing",
          Icon::None, kOk | kCancel, kOk));
  if (view == kOk) ViewBookFile(app);
  return target;
}

void ViewBookFile(App& app) {
  const std::string target = BookFolder(app) + BookFileName(app);
  if (!Exist(target)) {
    QuickMessage(app, "Printable file not created yet or not found at " + target);
    return;
  }
  app.hooks.openBookLocation(app, target);
}

void CopyBookImages(App& app, const std::string& folder) {
  try {
    if (!Exist(folder + "FED_2553.pdf")) CreateFolder(folder.substr(0, folder.size() - 1));
    for (const std::string& picture : BookPictureNames())
      CopyFile(app.Path(picture), folder + picture);
    // The head it takes from the contents page links the stylesheet.
    CopyFile(app.Path(kStyleSheet), folder + kStyleSheet);
  } catch (const KvxError&) {
    // A missing picture costs the printed book a picture, not the compilation.
  }
}

}  // namespace kvx
