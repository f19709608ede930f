-- Local database of the program. Yes/no columns hold 0 or 1, amounts are REAL,
-- dates and times are TEXT "yyyy-MM-dd HH:mm:ss".

CREATE TABLE `user` (
  `id` INTEGER PRIMARY KEY AUTOINCREMENT,
  `usern` TEXT,
  `password` TEXT,
  `uid` TEXT,
  `lastupdate` TEXT,
  `auktionshaus` TEXT,
  `hauptid` INTEGER NOT NULL DEFAULT 0,
  `firma` TEXT,
  `name` TEXT,
  `adresse` TEXT,
  `plz` TEXT,
  `ort` TEXT,
  `land` TEXT,
  `telefon` TEXT,
  `email` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `user_login` ON `user` (`usern`, `aukid`);
CREATE INDEX `user_master` ON `user` (`hauptid`);

CREATE TABLE `auktionshaus` (
  `id` INTEGER PRIMARY KEY,
  `name` TEXT NOT NULL UNIQUE,
  `url` TEXT,
  `MoneySymbol` TEXT,
  `catno` INTEGER NOT NULL DEFAULT 0,
  `typ` INTEGER NOT NULL DEFAULT 0,
  `zusatzoptionen` INTEGER NOT NULL DEFAULT 0,
  `festpreis` INTEGER NOT NULL DEFAULT 0,
  `mehrfach_festpreis` INTEGER NOT NULL DEFAULT 0,
  `minpreis` INTEGER NOT NULL DEFAULT 0,
  `galerie` INTEGER NOT NULL DEFAULT 0,
  `startseite` INTEGER NOT NULL DEFAULT 0,
  `versandangabe` INTEGER NOT NULL DEFAULT 0,
  `versandangabe_extra` INTEGER NOT NULL DEFAULT 0,
  `wiedereinstellen` INTEGER NOT NULL DEFAULT 0,
  `wiedereinstellen_anz` INTEGER NOT NULL DEFAULT 0,
  `auktions_shop` INTEGER NOT NULL DEFAULT 0,
  `xml` INTEGER NOT NULL DEFAULT 0,
  `zust1` TEXT, `zust2` TEXT, `zust3` TEXT, `zust4` TEXT, `zust5` TEXT,
  `zust6` TEXT, `zust7` TEXT, `zust8` TEXT, `zust9` TEXT, `zust10` TEXT
);

CREATE TABLE `categories` (
  `cat_id` TEXT,
  `cat_name` TEXT,
  `parent_id` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `categories_tree` ON `categories` (`aukid`, `parent_id`, `cat_name`);
CREATE INDEX `categories_id` ON `categories` (`aukid`, `cat_id`);

CREATE TABLE `einstelldauer` (
  `tage` INTEGER,
  `bez` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `einstelldauer_house` ON `einstelldauer` (`aukid`);

CREATE TABLE `shop_einstelldauer` (
  `tage` INTEGER,
  `bez` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `shop_einstelldauer_house` ON `shop_einstelldauer` (`aukid`);

CREATE TABLE `einstellgebuehr` (
  `id` INTEGER,
  `min_val` TEXT,
  `max_val` TEXT,
  `fee` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `einstellgebuehr_house` ON `einstellgebuehr` (`aukid`);

CREATE TABLE `zusatz_preis` (
  `id` TEXT,
  `bez` TEXT,
  `preis` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `zusatz_preis_house` ON `zusatz_preis` (`aukid`);

CREATE TABLE `zahlungsmethoden` (
  `id` INTEGER,
  `bez` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `zahlungsmethoden_house` ON `zahlungsmethoden` (`aukid`);

CREATE TABLE `land` (
  `id` INTEGER,
  `land` TEXT,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `land_house` ON `land` (`aukid`);

CREATE TABLE `auctions_shop_cat` (
  `cat_id` INTEGER,
  `cat_name` TEXT,
  `parent_id` INTEGER,
  `aukid` INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX `auctions_shop_cat_tree` ON `auctions_shop_cat` (`aukid`, `parent_id`, `cat_name`);

CREATE TABLE `auktionen` (
  `id` INTEGER PRIMARY KEY AUTOINCREMENT,
  `userID` INTEGER NOT NULL DEFAULT 0,
  `aukID` INTEGER NOT NULL DEFAULT 0,
  `artliste` INTEGER NOT NULL DEFAULT 0,
  `status` INTEGER NOT NULL DEFAULT 0,
  `titel` TEXT,
  `beschreibung` TEXT,
  `kategorie` INTEGER DEFAULT 0,
  `auktionstyp` INTEGER DEFAULT 0,
  `dauer` INTEGER DEFAULT 0,
  `anzahl` INTEGER DEFAULT 0,
  `startpreis` REAL DEFAULT 0,
  `sofortkaufpreis` REAL DEFAULT 0,
  `minpreis` REAL DEFAULT 0,
  `zustand` INTEGER DEFAULT 0,
  `artnr` TEXT,
  `plz` TEXT,
  `ort` TEXT,
  `land` TEXT,
  `zahlungsmethode` TEXT,
  `versandtrager` INTEGER DEFAULT 0,
  `versand_int` INTEGER DEFAULT 0,
  `versandkosten` REAL DEFAULT 0,
  `versandkostenoption` REAL DEFAULT 0,
  `versandoption` TEXT,
  `fett` INTEGER DEFAULT 0,
  `marker` INTEGER DEFAULT 0,
  `topkat` INTEGER DEFAULT 0,
  `galerie` INTEGER DEFAULT 0,
  `startseite` INTEGER DEFAULT 0,
  `wiederholung` INTEGER DEFAULT 0,
  `fsk` INTEGER DEFAULT 0,
  `mwst` INTEGER DEFAULT 0,
  `pic1` TEXT,
  `pic2` TEXT,
  `pic3` TEXT,
  `gebotspreis` REAL DEFAULT 0,
  `gebote` INTEGER DEFAULT 0,
  `ende` TEXT,
  `artID` REAL DEFAULT 0,
  `seitenID` INTEGER DEFAULT 0,
  `waehrung` TEXT,
  `kategorie2` INTEGER DEFAULT 0,
  `shopkategorie` INTEGER DEFAULT 0,
  `privatauktion` INTEGER DEFAULT 0,
  `posanzahl` INTEGER DEFAULT 0,
  `treuhand` INTEGER DEFAULT 0,
  `u_titel` TEXT,
  `region` TEXT,
  `start` TEXT,
  `zahlungshinweis` TEXT,
  `versand_angabe` INTEGER DEFAULT 0,
  `versand_versicherung` REAL DEFAULT 0,
  `versand_rabatt` INTEGER DEFAULT 0,
  `galerie_url` TEXT,
  `galerie_plus` INTEGER DEFAULT 0,
  `zaehler` INTEGER DEFAULT 0,
  `ruecknahme` INTEGER DEFAULT 0,
  `pic_beschr` TEXT,
  `sofort_neu` INTEGER DEFAULT 0,
  `themeID` INTEGER DEFAULT 0,
  `layoutID` INTEGER DEFAULT 0,
  `enfsuche` INTEGER DEFAULT 0,
  `zusatzangaben` TEXT,
  `pic4` TEXT,
  `pic5` TEXT,
  `pic6` TEXT
);
-- The lists page by end time or title within one account and list.
CREATE INDEX `auktionen_list_end` ON `auktionen` (`userID`, `artliste`, `ende`);
CREATE INDEX `auktionen_list_title` ON `auktionen` (`userID`, `artliste`, `titel`);
-- A listing the server sends again replaces its copy, found by the server's id.
CREATE INDEX `auktionen_server_id` ON `auktionen` (`artID`);
-- Uploads pick the ready transfer-list rows of one account at one auction house.
CREATE INDEX `auktionen_upload` ON `auktionen` (`userID`, `artliste`, `status`, `aukID`);
