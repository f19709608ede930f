-- Auction houses the program knows. Morvelia (11) is the default; its address is the
-- build's default server.
INSERT INTO `auktionshaus` (`id`, `name`, `url`, `MoneySymbol`, `catno`, `typ`, `zusatzoptionen`, `festpreis`, `mehrfach_festpreis`, `minpreis`, `galerie`, `startseite`, `versandangabe`, `versandangabe_extra`, `wiedereinstellen`, `wiedereinstellen_anz`, `auktions_shop`, `xml`, `zust1`, `zust2`, `zust3`, `zust4`, `zust5`, `zust6`, `zust7`, `zust8`, `zust9`, `zust10`)
VALUES (11, 'Morvelia', '@DEFAULT_URL@', 'EUR', 0, 0, 1, 1, 2, 1, 1, 1, 1, 1, 1, 3, 1, 1, 'Neu', 'Neuwertig', 'Sehr gut', 'Gut', 'Gebraucht', 'Defekt', '', '', '', '');
INSERT INTO `auktionshaus` (`id`, `name`, `url`, `MoneySymbol`, `catno`, `typ`, `zusatzoptionen`, `festpreis`, `mehrfach_festpreis`, `minpreis`, `galerie`, `startseite`, `versandangabe`, `versandangabe_extra`, `wiedereinstellen`, `wiedereinstellen_anz`, `auktions_shop`, `xml`, `zust1`, `zust2`, `zust3`, `zust4`, `zust5`, `zust6`, `zust7`, `zust8`, `zust9`, `zust10`)
VALUES (12, 'Karvento', '@DEFAULT_URL@', 'EUR', 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 2, 1, 0, 0, 'Neu', 'Gebraucht', 'Defekt', '', '', '', '', '', '', '');
INSERT INTO `auktionshaus` (`id`, `name`, `url`, `MoneySymbol`, `catno`, `typ`, `zusatzoptionen`, `festpreis`, `mehrfach_festpreis`, `minpreis`, `galerie`, `startseite`, `versandangabe`, `versandangabe_extra`, `wiedereinstellen`, `wiedereinstellen_anz`, `auktions_shop`, `xml`, `zust1`, `zust2`, `zust3`, `zust4`, `zust5`, `zust6`, `zust7`, `zust8`, `zust9`, `zust10`)
VALUES (14, 'Lindomarkt', '@DEFAULT_URL@', 'CHF', 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 'Neu', 'Wie neu', 'Gebraucht', 'Bastler', '', '', '', '', '', '');

-- Shop categories of Morvelia's auction shop.
INSERT INTO `auctions_shop_cat` (`cat_id`, `cat_name`, `parent_id`, `aukid`) VALUES
  (1, 'Antiquitäten & Kunst', 0, 11),
  (2, 'Bücher & Zeitschriften', 0, 11),
  (3, 'Computer & Zubehör', 0, 11),
  (4, 'Haus & Garten', 0, 11),
  (5, 'Mode & Accessoires', 0, 11),
  (6, 'Sammeln & Seltenes', 0, 11),
  (7, 'Spielzeug', 0, 11),
  (8, 'Sport & Freizeit', 0, 11),
  (101, 'Möbel', 1, 11),
  (102, 'Gemälde', 1, 11),
  (201, 'Romane', 2, 11),
  (202, 'Sachbücher', 2, 11),
  (301, 'Notebooks', 3, 11),
  (302, 'Drucker', 3, 11),
  (303, 'Software', 3, 11),
  (401, 'Werkzeug', 4, 11),
  (402, 'Küche', 4, 11),
  (501, 'Damenmode', 5, 11),
  (502, 'Herrenmode', 5, 11),
  (503, 'Uhren & Schmuck', 5, 11),
  (601, 'Briefmarken', 6, 11),
  (602, 'Münzen', 6, 11),
  (701, 'Modellbau', 7, 11),
  (801, 'Fahrräder', 8, 11),
  (802, 'Camping', 8, 11);
