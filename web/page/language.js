// The page's language: English as index.html writes it, or Spanish, French or German from
// i18n.json, which the build makes from the program's own catalogues (contexts "Web" and
// "Core"). The choice is kept on the device; until one is made the browser's language rules.

const KEY = 'brackmere.field.language';
export const LANGUAGES = { en: 'English', es: 'Español', fr: 'Français', de: 'Deutsch' };
const ATTRIBUTES = ['aria-label', 'title'];
const collapse = (text) => text.replace(/\s+/g, ' ').trim();

export class PageLanguage {
  // Reads the page's English texts before anything changes them.
  constructor(root) {
    this.texts = [];
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const english = collapse(node.nodeValue);
      if (/[A-Za-z]{2}/.test(english) && !node.parentElement.closest('option, script, style'))
        this.texts.push({ node, english, before: node.nodeValue.match(/^\s*/)[0], after: node.nodeValue.match(/\s*$/)[0] });
    }
    this.attributes = [];
    for (const name of ATTRIBUTES) {
      for (const el of root.querySelectorAll(`[${name}]`))
        this.attributes.push({ el, name, english: el.getAttribute(name) });
    }
    this.code = 'en';
    this.catalogue = null;
  }

  static initial() {
    const kept = localStorage.getItem(KEY);
    if (kept in LANGUAGES)
      return kept;
    const browser = (navigator.language || 'en').slice(0, 2).toLowerCase();
    return browser in LANGUAGES ? browser : 'en';
  }

  async choose(code, keep) {
    if (!(code in LANGUAGES))
      code = 'en';
    if (code !== 'en' && !this.catalogue)
      this.catalogue = await fetch('i18n.json').then((answer) => answer.json());
    this.code = code;
    if (keep)
      localStorage.setItem(KEY, code);
    document.documentElement.lang = code;
    for (const t of this.texts)
      t.node.nodeValue = t.before + this.page(t.english) + t.after;
    for (const a of this.attributes)
      a.el.setAttribute(a.name, this.page(a.english));
  }

  translate(context, english) {
    if (this.code === 'en' || !this.catalogue)
      return english;
    return this.catalogue[this.code]?.[context]?.[english] ?? english;
  }

  // The page's own texts, and the computation core's messages and measures.
  page(english) { return this.translate('Web', english); }
  core(english) { return this.translate('Core', english); }
}
