"""Prints what an HTML parser finds in a page, as JSON: the text of its <title>, the names of its
start tags in order, and its text. Used by the export tests to see that typed text stays text.
usage: markup_outline.py FILE ENCODING"""
import json
import sys
from html.parser import HTMLParser


class Outline(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags, self.text, self.title, self.in_title = [], [], "", False

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        self.in_title = tag == "title"

    def handle_endtag(self, tag):
        if tag == "title":
            self.in_title = False

    def handle_data(self, data):
        if self.in_title:
            self.title += data
        self.text.append(data)


def main():
    path, encoding = sys.argv[1:3]
    outline = Outline()
    outline.feed(open(path, encoding=encoding).read())
    outline.close()
    json.dump({"title": outline.title, "tags": outline.tags, "text": "".join(outline.text)}, sys.stdout)


if __name__ == "__main__":
    main()
